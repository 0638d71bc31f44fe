#include "ResultsReport.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFont>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdlib>

namespace results {

namespace {

constexpr qreal MarginMm = 20;
constexpr int ReportPointSize = 11;
// Fine enough for the table's rules to print as thin lines.
constexpr int ReportDpi = 300;
// Room above and below the table; a heading's own margin is lost after a
// table, so the table keeps the relation off its bottom edge.
constexpr int TableTopPx = 12;
constexpr int TableBottomPx = 24;
const QString RelationHeading = QStringLiteral("Relation used");
// Over the label, value, unit and solved-mark columns.
const QStringList ColumnHeadings = {QStringLiteral("Quantity"), QStringLiteral("Value"),
                                    QStringLiteral("Unit"), QString()};

QString TwoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

// Local time with its offset from UTC, so that a reader elsewhere knows when.
QString LocalTimeText(const QDateTime& when, const QLocale& locale) {
  const QDateTime local = when.toLocalTime();
  const int offsetMinutes = local.offsetFromUtc() / 60;
  const int minutes = std::abs(offsetMinutes);
  return QStringLiteral("%1 %2 (UTC%3%4:%5)")
      .arg(locale.toString(local.date(), QLocale::LongFormat),
           locale.toString(local.time(), QLocale::ShortFormat),
           offsetMinutes < 0 ? QStringLiteral("-") : QStringLiteral("+"), TwoDigits(minutes / 60),
           TwoDigits(minutes % 60));
}

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
  CopiedTable table = ResultsTable(page.rows);
  table.headings = ColumnHeadings;
  document.setHtml(
      QStringLiteral("<h2>%1</h2><p>%2</p>")
          .arg(page.product.toHtmlEscaped(), LocalTimeText(page.when, QLocale()).toHtmlEscaped()) +
      TableAsHtml(table, QStringLiteral("border=\"1\" cellspacing=\"0\" cellpadding=\"8\" "
                                        "style=\"border-collapse: collapse; margin-top: %1px; "
                                        "margin-bottom: %2px\"")
                             .arg(TableTopPx)
                             .arg(TableBottomPx)) +
      QStringLiteral("<h3>%1</h3><p>%2</p>")
          .arg(RelationHeading,
               page.relation.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>"))));
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

QByteArray ReportPdf(const ReportPage& page, const QPageSize& size) {
  QByteArray pdf;
  QBuffer buffer(&pdf);
  if (!buffer.open(QIODevice::WriteOnly) || !WriteReportPdf(page, size, buffer))
    return {};
  return pdf;
}

} // namespace results
