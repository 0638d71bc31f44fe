#include "ResultsReport.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace results {

namespace {

constexpr qreal MarginMm = 20;
constexpr int ReportPointSize = 11;
// Fine enough for the table's rules to print as thin lines.
constexpr int ReportDpi = 300;
const QString RelationHeading = QStringLiteral("Relation used");

} // namespace

QPageSize ReportPageSize(const QLocale& locale) {
  return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                           : QPageSize::A4);
}

bool WriteReportPdf(const ReportPage& page, const QPageSize& size, QIODevice& device) {
  QPdfWriter writer(&device);
  writer.setResolution(ReportDpi);
  writer.setPageSize(size);
  writer.setPageMargins(QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter);
  writer.setTitle(page.product);
  writer.setCreator(page.product);

  QPainter painter;
  if (!painter.begin(&writer))
    return false;

  QTextDocument document;
  // Laid out with the writer's own metrics, so the text fits as drawn.
  document.documentLayout()->setPaintDevice(&writer);
  QFont font = QGuiApplication::font();
  font.setPointSize(ReportPointSize);
  document.setDefaultFont(font);
  document.setDocumentMargin(0);
  document.setHtml(QStringLiteral("<h2>%1</h2><p>%2</p>")
                       .arg(page.product.toHtmlEscaped(),
                            QLocale().toString(page.when, QLocale::LongFormat).toHtmlEscaped()) +
                   TableAsHtml(ResultsTable(page.rows),
                               QStringLiteral("border=\"1\" cellspacing=\"0\" cellpadding=\"8\" "
                                              "style=\"border-collapse: collapse\"")) +
                   QStringLiteral("<h3>%1</h3><p>%2</p>")
                       .arg(RelationHeading, page.relation.toHtmlEscaped().replace(
                                                 QLatin1Char('\n'), QLatin1String("<br>"))));
  document.setTextWidth(writer.width());
  // One page whatever the fonts: a taller layout is drawn smaller.
  const qreal height = document.size().height();
  if (height > writer.height()) {
    const qreal scale = writer.height() / height;
    painter.scale(scale, scale);
  }
  document.drawContents(&painter);
  return painter.end();
}

} // namespace results
