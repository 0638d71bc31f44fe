// Results as a user copies them: a table of cells turned into clipboard data,
// plain text for an editor and an HTML table for a spreadsheet or a mail, in
// one object. The calculator's Copy Results and the compare table's Ctrl+C
// both go through here.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QMimeData;

namespace results {

struct CopiedRow {
  QStringList cells; // as shown
  bool emphasised = false;
};

struct CopiedTable {
  QStringList headings; // empty: a table without a heading row
  std::vector<CopiedRow> rows;
};

// A <table> with the given attributes; headings as <th>, an emphasised row
// in bold, every cell escaped.
QString TableAsHtml(const CopiedTable& table, const QString& attributes);
// A heading line, then one line per row, cells separated by tabs.
QString TableAsTabbedText(const CopiedTable& table);
// The table as HTML and `text` as its plain form, in one clipboard object.
std::unique_ptr<QMimeData> ClipboardData(const CopiedTable& table, const QString& text);

// One shown value of the calculator's form.
struct ResultRow {
  QString label; // in plain words
  QString value; // exactly as the control shows it
  QString unit;  // may be empty
  bool solved = false;
};

// "value unit", or the value alone where it has no unit.
QString ValueWithUnit(const ResultRow& row);
// Label, value, unit and the solved mark as cells; a solved row is emphasised.
CopiedTable ResultsTable(const std::vector<ResultRow>& rows);
// "Label:  value unit", the labels padded to one column; a solved row says so.
QString RowsAsText(const std::vector<ResultRow>& rows);
// RowsAsText with the table of ResultsTable as its HTML form.
std::unique_ptr<QMimeData> RowsAsMimeData(const std::vector<ResultRow>& rows);

} // namespace results
