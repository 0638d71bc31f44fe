#include "ResultsReport.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <algorithm>

namespace ui {

namespace {

constexpr qreal MarginMm = 20;
constexpr int ReportPointSize = 11;
// Fine enough for the table's rules to print as thin lines.
constexpr int ReportDpi = 300;

QString SolvedMark() { return QStringLiteral("(solved)"); }

QString ValueWithUnit(const ResultRow& row) {
  return row.unit.isEmpty() ? row.value : row.value + QLatin1Char(' ') + row.unit;
}

QString HtmlTable(const std::vector<ResultRow>& rows, const QString& attributes) {
  QString html = QStringLiteral("<table %1>").arg(attributes);
  for (const ResultRow& row : rows) {
    const QString open = row.solved ? QStringLiteral("<b>") : QString();
    const QString close = row.solved ? QStringLiteral("</b>") : QString();
    html += QStringLiteral("<tr><td>%1%2%3</td><td align=\"right\">%1%4%3</td><td>%5</td>"
                           "<td>%6</td></tr>")
                .arg(open, row.label.toHtmlEscaped(), close, row.value.toHtmlEscaped(),
                     row.unit.toHtmlEscaped(), row.solved ? SolvedMark() : QString());
  }
  return html + QStringLiteral("</table>");
}

} // namespace

QString RowsAsText(const std::vector<ResultRow>& rows) {
  qsizetype width = 0;
  for (const ResultRow& row : rows)
    width = std::max(width, row.label.size() + 1);
  QString text;
  for (const ResultRow& row : rows) {
    QString line = (row.label + QLatin1Char(':')).leftJustified(width + 2) + ValueWithUnit(row);
    if (row.solved)
      line += QLatin1Char(' ') + SolvedMark();
    text += line + QLatin1Char('\n');
  }
  return text;
}

QString RowsAsHtml(const std::vector<ResultRow>& rows) {
  return QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>") +
         HtmlTable(rows, QStringLiteral("border=\"1\" cellspacing=\"0\" cellpadding=\"3\"")) +
         QStringLiteral("</body></html>");
}

std::unique_ptr<QMimeData> RowsAsMimeData(const std::vector<ResultRow>& rows) {
  auto mime = std::make_unique<QMimeData>();
  mime->setText(RowsAsText(rows));
  mime->setHtml(RowsAsHtml(rows));
  return mime;
}

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
  document.setHtml(
      QStringLiteral("<h2>%1</h2><p>%2</p>")
          .arg(page.product.toHtmlEscaped(),
               QLocale().toString(page.when, QLocale::LongFormat).toHtmlEscaped()) +
      HtmlTable(page.rows, QStringLiteral("border=\"1\" cellspacing=\"0\" cellpadding=\"8\" "
                                          "style=\"border-collapse: collapse\"")) +
      QStringLiteral("<h3>%1</h3><p>%2</p>")
          .arg(QCoreApplication::translate("ui::ResultsReport", "Relation used"),
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

} // namespace ui
