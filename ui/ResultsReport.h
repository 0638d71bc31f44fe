// The results as a user takes them away: rows of what the form shows, as
// plain text and an HTML table for the clipboard, and as a one-page PDF
// report. Qt only; it knows nothing of the dialog or the engine.
#pragma once

#include <QDateTime>
#include <QPageSize>
#include <QString>
#include <memory>
#include <vector>

class QIODevice;
class QLocale;
class QMimeData;

namespace ui {

struct ResultRow {
  QString label; // in plain words
  QString value; // exactly as the control shows it
  QString unit;  // may be empty
  bool solved = false;
};

struct ReportPage {
  QString product; // name and version
  QDateTime when;
  std::vector<ResultRow> rows;
  QString relation; // the relation with the factors it was last applied with
};

// "Label:  value unit", the labels padded to one column; a solved row says so.
QString RowsAsText(const std::vector<ResultRow>& rows);
// A table of label, value and unit cells; a solved row is bold and says so.
QString RowsAsHtml(const std::vector<ResultRow>& rows);
// Both of the above in one clipboard object.
std::unique_ptr<QMimeData> RowsAsMimeData(const std::vector<ResultRow>& rows);

// Letter where the locale measures in U.S. units, A4 everywhere else.
QPageSize ReportPageSize(const QLocale& locale);

// Writes the report as one PDF page into a device open for writing. False
// when the page could not be started or finished; the device's error string
// then says why, if the device knows.
bool WriteReportPdf(const ReportPage& page, const QPageSize& size, QIODevice& device);

} // namespace ui
