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
#include <functional>

namespace results {

namespace {

// The type, the margins and the room around each table cell's text of a page.
struct PageStyle {
  int pointSize;
  qreal marginMm;
  int cellPadding;
};
constexpr PageStyle ResultsPage{11, 20, 8};
// The sizing page carries the work and a table of eleven columns too: a
// smaller type, narrower margins and closer cells keep it on one page, at a
// size that still reads when printed.
constexpr PageStyle SizingPage{9, 15, 2};
// Fine enough for the table's rules to print as thin lines.
constexpr int ReportDpi = 300;
// Room above and below the table; a heading's own margin is lost after a
// table, so the table keeps the relation off its bottom edge.
constexpr int TableTopPx = 12;
constexpr int TableBottomPx = 24;
// Eleven columns across a page: the headings in a smaller type than their
// numbers, so that a word such as "impedance" is never broken.
const QString SizingHeadingStyle = QStringLiteral("<style>th { font-size: 7pt; }</style>");
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

namespace {

// `html` drawn on one page of the writer's size, titled `title`.
bool WriteHtmlPdf(const QString& title, const QString& html, const QPageSize& size,
                  QIODevice& device, const PageStyle& style) {
  QPdfWriter writer(&device);
  writer.setResolution(ReportDpi);
  writer.setPageSize(size);
  const qreal margin = style.marginMm;
  writer.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
  writer.setTitle(title);
  writer.setCreator(title);

  QPainter painter;
  if (!painter.begin(&writer))
    return false;

  QTextDocument document;
  // Laid out with the writer's own metrics, so the text fits as drawn.
  document.documentLayout()->setPaintDevice(&writer);
  QFont font = QGuiApplication::font();
  font.setPointSize(style.pointSize);
  document.setDefaultFont(font);
  document.setDocumentMargin(0);
  document.setHtml(html);
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

QString TableAttributes(const PageStyle& style) {
  return QStringLiteral("border=\"1\" cellspacing=\"0\" cellpadding=\"%3\" "
                        "style=\"border-collapse: collapse; margin-top: %1px; "
                        "margin-bottom: %2px\"")
      .arg(TableTopPx)
      .arg(TableBottomPx)
      .arg(style.cellPadding);
}

QString TitleAndTime(const QString& product, const QDateTime& when) {
  return QStringLiteral("<h2>%1</h2><p>%2</p>")
      .arg(product.toHtmlEscaped(), LocalTimeText(when, QLocale()).toHtmlEscaped());
}

QByteArray Rendered(const std::function<bool(QIODevice&)>& write) {
  QByteArray pdf;
  QBuffer buffer(&pdf);
  if (!buffer.open(QIODevice::WriteOnly) || !write(buffer))
    return {};
  return pdf;
}

} // namespace

bool WriteReportPdf(const ReportPage& page, const QPageSize& size, QIODevice& device) {
  CopiedTable table = ResultsTable(page.rows);
  table.headings = ColumnHeadings;
  const QString html =
      TitleAndTime(page.product, page.when) + TableAsHtml(table, TableAttributes(ResultsPage)) +
      QStringLiteral("<h3>%1</h3><p>%2</p>")
          .arg(RelationHeading,
               page.relation.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>")));
  return WriteHtmlPdf(page.product, html, size, device, ResultsPage);
}

QByteArray ReportPdf(const ReportPage& page, const QPageSize& size) {
  return Rendered([&](QIODevice& device) { return WriteReportPdf(page, size, device); });
}

QByteArray SizingReportPdf(const QString& product, const QDateTime& when, const SizingSheet& sheet,
                           const QPageSize& size) {
  // A page of four tables and the work: closer set than the results page,
  // across the page so that no heading or number is broken.
  const QString html = SizingHeadingStyle + TitleAndTime(product, when) +
                       SheetAsHtml(sheet, TableAttributes(SizingPage));
  return Rendered(
      [&](QIODevice& device) { return WriteHtmlPdf(product, html, size, device, SizingPage); });
}

} // namespace results
