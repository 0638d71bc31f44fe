#include "ResultsClipboard.h"

#include <QMimeData>
#include <algorithm>

namespace results {

namespace {

QString SolvedMark() { return QStringLiteral("(solved)"); }

QString Cell(const QString& tag, const QString& text, bool bold) {
  const QString escaped = text.toHtmlEscaped();
  return QStringLiteral("<%1>%2</%1>")
      .arg(tag, bold && !text.isEmpty() ? QStringLiteral("<b>%1</b>").arg(escaped) : escaped);
}

} // namespace

QString TableAsHtml(const CopiedTable& table, const QString& attributes) {
  QString html = attributes.isEmpty() ? QStringLiteral("<table>")
                                      : QStringLiteral("<table %1>").arg(attributes);
  if (!table.headings.isEmpty()) {
    html += QStringLiteral("<tr>");
    for (const QString& heading : table.headings)
      html += Cell(QStringLiteral("th"), heading, false);
    html += QStringLiteral("</tr>");
  }
  for (const CopiedRow& row : table.rows) {
    html += QStringLiteral("<tr>");
    for (const QString& cell : row.cells)
      html += Cell(QStringLiteral("td"), cell, row.emphasised);
    html += QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table>");
}

QString TableAsTabbedText(const CopiedTable& table) {
  QString text;
  if (!table.headings.isEmpty())
    text += table.headings.join(QLatin1Char('\t')) + QLatin1Char('\n');
  for (const CopiedRow& row : table.rows)
    text += row.cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
  return text;
}

std::unique_ptr<QMimeData> ClipboardData(const CopiedTable& table, const QString& text) {
  auto mime = std::make_unique<QMimeData>();
  mime->setText(text);
  mime->setHtml(QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>") +
                TableAsHtml(table, QStringLiteral("border=\"1\" cellspacing=\"0\" "
                                                  "cellpadding=\"3\"")) +
                QStringLiteral("</body></html>"));
  return mime;
}

QString ValueWithUnit(const ResultRow& row) {
  return row.unit.isEmpty() ? row.value : row.value + QLatin1Char(' ') + row.unit;
}

CopiedTable ResultsTable(const std::vector<ResultRow>& rows) {
  CopiedTable table;
  for (const ResultRow& row : rows)
    table.rows.push_back(
        {{row.label, row.value, row.unit, row.solved ? SolvedMark() : QString()}, row.solved});
  return table;
}

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

std::unique_ptr<QMimeData> RowsAsMimeData(const std::vector<ResultRow>& rows) {
  return ClipboardData(ResultsTable(rows), RowsAsText(rows));
}

} // namespace results
