// The results as a one-page PDF report: what the form shows, with the
// product, the time and the relation the engine applied.
#pragma once

#include "ResultsClipboard.h"
#include "SizingSheet.h"

#include <QByteArray>
#include <QDateTime>
#include <QPageSize>
#include <QString>
#include <vector>

class QIODevice;
class QLocale;

namespace results {

struct ReportPage {
  QString product; // name and version
  QDateTime when;  // printed as local time with its offset from UTC
  std::vector<ResultRow> rows;
  QString relation; // the relation with the factors it was last applied with
};

// Letter where the locale measures in U.S. units, A4 everywhere else.
QPageSize ReportPageSize(const QLocale& locale);

// Writes the report as one PDF page into a device open for writing. False
// when the page could not be started or finished; the device's error string
// then says why, if the device knows.
bool WriteReportPdf(const ReportPage& page, const QPageSize& size, QIODevice& device);

// The report rendered in memory, ready to be saved whole; empty when the page
// could not be drawn.
QByteArray ReportPdf(const ReportPage& page, const QPageSize& size);

// A conductor sizing on one page: the product and the time, then the sheet
// (answer, circuit, installation, work and rows of the size table). Empty
// when the page could not be drawn.
QByteArray SizingReportPdf(const QString& product, const QDateTime& when, const SizingSheet& sheet,
                           const QPageSize& size);

} // namespace results
