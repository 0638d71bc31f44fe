#include "SizingSheet.h"

#include <QMimeData>

namespace results {

namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

QString Heading(const QString& text) {
  return QStringLiteral("<h3>%1</h3>").arg(text.toHtmlEscaped());
}

QString StepLine(const engine::SizingStep& step) {
  return Utf8(step.title) + QStringLiteral(": ") + Utf8(step.value);
}

const QString CircuitHeading = QStringLiteral("Circuit");
const QString ConditionsHeading = QStringLiteral("Installation");
const QString AnswerHeading = QStringLiteral("Answer");
const QString WorkHeading = QStringLiteral("Work");
const QString SizesHeading = QStringLiteral("Wire sizes");

// Label and value with its unit: no row of a sizing is solved.
CopiedTable LabelledValues(const std::vector<ResultRow>& rows) {
  CopiedTable table;
  for (const ResultRow& row : rows)
    table.rows.push_back({{row.label, ValueWithUnit(row)}, false});
  return table;
}

} // namespace

QString WorkAsHtml(const std::vector<engine::SizingStep>& steps) {
  QString html = QStringLiteral("<ol>");
  for (const engine::SizingStep& step : steps)
    html += QStringLiteral("<li><b>%1</b><br>%2<br><i>%3</i></li>")
                .arg(StepLine(step).toHtmlEscaped(), Utf8(step.work).toHtmlEscaped(),
                     Utf8(step.rule).toHtmlEscaped());
  return html + QStringLiteral("</ol>");
}

QString SheetAsHtml(const SizingSheet& sheet, const QString& tableAttributes) {
  QString html =
      Heading(AnswerHeading) + QStringLiteral("<p><b>%1</b></p>").arg(sheet.answer.toHtmlEscaped());
  // The circuit and its installation side by side: each is short.
  html += QStringLiteral("<table width=\"100%\"><tr><td width=\"50%\" valign=\"top\">%1</td>"
                         "<td width=\"50%\" valign=\"top\">%2</td></tr></table>")
              .arg(Heading(CircuitHeading) +
                       TableAsHtml(LabelledValues(sheet.circuit), tableAttributes),
                   Heading(ConditionsHeading) +
                       TableAsHtml(LabelledValues(sheet.conditions), tableAttributes));
  html += Heading(WorkHeading) + WorkAsHtml(sheet.steps) +
          QStringLiteral("<p><i>%1</i></p>").arg(sheet.basis.toHtmlEscaped());
  if (!sheet.sizes.rows.empty())
    html += Heading(SizesHeading) + TableAsHtml(sheet.sizes, tableAttributes);
  return html;
}

QString SheetAsText(const SizingSheet& sheet) {
  QString text = AnswerHeading + QStringLiteral(": ") + sheet.answer + QStringLiteral("\n\n");
  text += CircuitHeading + QStringLiteral("\n") + RowsAsText(sheet.circuit) + QLatin1Char('\n');
  text +=
      ConditionsHeading + QStringLiteral("\n") + RowsAsText(sheet.conditions) + QLatin1Char('\n');
  text += WorkHeading + QLatin1Char('\n');
  int number = 0;
  for (const engine::SizingStep& step : sheet.steps)
    text += QStringLiteral("%1. %2\n   %3\n   %4\n")
                .arg(QString::number(++number), StepLine(step), Utf8(step.work), Utf8(step.rule));
  text += sheet.basis + QLatin1Char('\n');
  if (!sheet.sizes.rows.empty())
    text += QLatin1Char('\n') + SizesHeading + QLatin1Char('\n') + TableAsTabbedText(sheet.sizes);
  return text;
}

std::unique_ptr<QMimeData> SheetAsMimeData(const SizingSheet& sheet) {
  auto mime = std::make_unique<QMimeData>();
  mime->setText(SheetAsText(sheet));
  mime->setHtml(QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>") +
                SheetAsHtml(sheet, QStringLiteral("border=\"1\" cellspacing=\"0\" "
                                                  "cellpadding=\"3\"")) +
                QStringLiteral("</body></html>"));
  return mime;
}

} // namespace results
