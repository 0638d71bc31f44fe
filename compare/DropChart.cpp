#include "DropChart.h"
#include "results/ShownNumber.h"

#include "dialogkit/Text.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace compare {

using results::ShownNumber;

namespace {

constexpr double NotDrawn = std::numeric_limits<double>::quiet_NaN();

// Proportions, most of them in lines of the chart's font.
constexpr double LogScaleRatio = 100.0;   // drops spanning more than two decades
constexpr double Headroom = 1.05;         // above the highest drop on a linear axis
constexpr double MarkerPerLine = 1 / 5.0; // a marker's radius
constexpr double SmallestMarker = 2.5;    // pixels
constexpr double RingPerMarker = 2.2;     // the form's size ring, in marker radii
constexpr double TickSpacing = 1.5;       // least room between log-axis marks
constexpr double LegendMiddle = 0.9;      // where the legend line is centred
constexpr int LeastHeightLines = 11;
constexpr int LegendPaddingLines = 12; // markers and gaps beside the legend texts

QString PercentText(double value) { return ShownNumber(value) + QLatin1Char('%'); }

// 1, 2 or 5 times a power of ten, at least `raw`.
double NiceStep(double raw) {
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  const double f = raw / magnitude;
  const double step = (f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10) * magnitude;
  return std::isfinite(step) && step > 0 ? step : raw;
}

struct Tick {
  double at; // fraction of the plot's height
  QString text;
};

// A marker for a size within the allowed drop (filled) or over it (hollow).
void DrawMarker(QPainter& p, QPointF at, double radius, bool within, const QPalette& pal) {
  p.setPen(QPen(pal.color(QPalette::Highlight), 1.5));
  p.setBrush(within ? pal.color(QPalette::Highlight) : pal.color(QPalette::Base));
  p.drawEllipse(at, radius, radius);
}

void DrawRing(QPainter& p, QPointF at, double radius, const QPalette& pal) {
  p.setPen(QPen(pal.color(QPalette::Text), 2.0));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(at, radius, radius);
}

QPen AllowedPen(const QPalette& pal) {
  QPen pen(pal.color(QPalette::Text), 1.5, Qt::DashLine);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

const QString LegendWithin = QStringLiteral("within allowed drop");
const QString LegendOver = QStringLiteral("over allowed drop");
const QString LegendForm = QStringLiteral("size on the form");

} // namespace

CDropChart::CDropChart(QWidget* parent) : QWidget(parent) {
  setAccessibleName(QStringLiteral("Percent drop by wire size"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CDropChart::SetRows(const Rows& rows, double allowedPercent, int formSize) {
  m_rows = rows;
  m_allowed = allowedPercent;
  m_formSize = formSize;
  m_axis = AxisFor(rows, allowedPercent);
  update();
}

CDropChart::Axis CDropChart::AxisFor(const Rows& rows, double allowedPercent) {
  double lowest = std::numeric_limits<double>::infinity();
  double highest = 0.0;
  const auto take = [&](double v) {
    if (std::isfinite(v) && v > 0) {
      lowest = std::min(lowest, v);
      highest = std::max(highest, v);
    }
  };
  for (const engine::WireSizeRow& row : rows)
    take(row.percentDrop);
  take(allowedPercent);
  if (highest == 0.0)
    return {}; // nothing but zeros and infinities: any range will do
  if (highest / lowest > LogScaleRatio) {
    const double low = std::floor(std::log10(lowest));
    return {true, low, std::max(std::ceil(std::log10(highest)), low + 1), 1.0};
  }
  // Headroom keeps the allowed drop off the top edge, where infinite drops
  // are held.
  const double step = NiceStep(highest / 4);
  const double high = std::ceil(highest * Headroom / step) * step;
  if (!std::isfinite(high) || high <= 0)
    return {false, 0.0, highest, highest};
  return {false, 0.0, high, step};
}

double CDropChart::Position(double percent) const {
  if (std::isnan(percent))
    return NotDrawn;
  double t = 0.0;
  if (m_axis.log) {
    if (percent <= 0)
      return 0.0;
    t = (std::log10(percent) - m_axis.low) / (m_axis.high - m_axis.low);
  } else {
    t = (percent - m_axis.low) / (m_axis.high - m_axis.low);
  }
  // Infinities land here as +-inf and are held at the edges too.
  return std::clamp(t, 0.0, 1.0);
}

QSize CDropChart::minimumSizeHint() const {
  const QFontMetrics fm(font());
  const int legend = fm.horizontalAdvance(LegendWithin + LegendOver + LegendForm) +
                     fm.horizontalAdvance(QStringLiteral("allowed drop 99.9999%")) +
                     fm.height() * LegendPaddingLines;
  return {legend, fm.height() * LeastHeightLines};
}

QSize CDropChart::sizeHint() const {
  const QSize least = minimumSizeHint();
  return {least.width(), least.height() * 3 / 2};
}

void CDropChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QPalette& pal = palette();
  const QFontMetrics fm(font());
  const int line = fm.height();
  const double radius = std::max(SmallestMarker, line * MarkerPerLine);

  int nameWidth = 0;
  for (std::string_view name : engine::WireSizeNames)
    nameWidth = std::max(nameWidth, fm.horizontalAdvance(dialogkit::ToQString(name)));

  // The legend takes the top line, the size names the bottom one.
  const int top = line * 2;
  const int bottom = height() - line * 2;
  const double plotHeight = std::max(bottom - top, 1);

  std::vector<Tick> ticks;
  if (m_axis.log) {
    const double decades = m_axis.high - m_axis.low;
    const double fit = std::max(1.0, std::floor(plotHeight / (line * TickSpacing)));
    const double every = std::max(1.0, std::ceil(decades / fit));
    for (double d = 0; d <= decades; d += every)
      ticks.push_back({d / decades, PercentText(std::pow(10.0, m_axis.low + d))});
  } else {
    const double step = m_axis.step;
    for (int i = 0; i <= 10 && i * step <= m_axis.high * (1 + 1e-9); ++i)
      ticks.push_back({i * step / m_axis.high, PercentText(i * step)});
  }
  int tickWidth = 0;
  for (const Tick& tick : ticks)
    tickWidth = std::max(tickWidth, fm.horizontalAdvance(tick.text));

  const int left = std::max(tickWidth + line / 2, nameWidth / 2) + 2;
  const int right = width() - std::max(line, nameWidth / 2) - 2;
  const QRectF plot(left, top, std::max(right - left, 1), plotHeight);
  const auto x = [&](int size) {
    return plot.left() + (size + 0.5) * plot.width() / engine::WireSizeCount;
  };
  const auto y = [&](double fraction) { return plot.bottom() - fraction * plot.height(); };

  // Frame and grid.
  p.fillRect(plot, pal.color(QPalette::Base));
  QColor grid = pal.color(QPalette::Text);
  grid.setAlpha(40);
  p.setPen(QPen(grid, 1));
  for (const Tick& tick : ticks)
    p.drawLine(QPointF(plot.left(), y(tick.at)), QPointF(plot.right(), y(tick.at)));
  p.setPen(QPen(pal.color(QPalette::Mid), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(plot);

  p.setPen(pal.color(QPalette::WindowText));
  for (const Tick& tick : ticks) {
    const QRectF box(0, y(tick.at) - line / 2.0, left - line / 4.0, line);
    p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, tick.text);
  }

  // Size names: every few sizes, and the form's own in bold, leaving out the
  // ones it would overlap.
  const double spacing = plot.width() / engine::WireSizeCount;
  const int every = std::max(1, static_cast<int>(std::ceil((nameWidth + line) / spacing)));
  const bool haveForm = m_formSize >= 0 && m_formSize < engine::WireSizeCount;
  const auto drawName = [&](int size) {
    const QRectF box(x(size) - nameWidth, plot.bottom() + line / 4.0, nameWidth * 2.0, line);
    p.drawText(box, Qt::AlignHCenter | Qt::AlignTop,
               dialogkit::ToQString(engine::WireSizeNames[size]));
  };
  for (int size = 0; size < engine::WireSizeCount; size += every) {
    if (!haveForm || std::abs(x(size) - x(m_formSize)) >= nameWidth + line / 2.0)
      drawName(size);
  }
  if (haveForm) {
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    drawName(m_formSize);
    p.setFont(font());
  }

  // The allowed drop.
  const double allowedAt = Position(m_allowed);
  if (!std::isnan(allowedAt)) {
    p.setPen(AllowedPen(pal));
    p.drawLine(QPointF(plot.left(), y(allowedAt)), QPointF(plot.right(), y(allowedAt)));
  }

  // The drops, the line broken where a drop has no value.
  p.save();
  p.setClipRect(plot.adjusted(-radius * 3, -radius * 3, radius * 3, radius * 3));
  QPainterPath path;
  bool drawing = false;
  for (const engine::WireSizeRow& row : m_rows) {
    const double at = Position(row.percentDrop);
    if (std::isnan(at)) {
      drawing = false;
      continue;
    }
    const QPointF point(x(row.wireSize), y(at));
    if (drawing)
      path.lineTo(point);
    else
      path.moveTo(point);
    drawing = true;
  }
  p.setPen(QPen(pal.color(QPalette::Highlight), 2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  for (const engine::WireSizeRow& row : m_rows) {
    const double at = Position(row.percentDrop);
    if (!std::isnan(at))
      DrawMarker(p, QPointF(x(row.wireSize), y(at)), radius, row.meetsAllowedDrop, pal);
  }
  if (haveForm) {
    const double at = Position(m_rows[static_cast<std::size_t>(m_formSize)].percentDrop);
    if (!std::isnan(at))
      DrawRing(p, QPointF(x(m_formSize), y(at)), radius * RingPerMarker, pal);
  }
  p.restore();

  // Legend.
  double at = plot.left();
  const double middle = line * LegendMiddle;
  const auto label = [&](const QString& text) {
    p.setPen(pal.color(QPalette::WindowText));
    const double w = fm.horizontalAdvance(text);
    p.drawText(QRectF(at, middle - line / 2.0, w + 1, line), Qt::AlignLeft | Qt::AlignVCenter,
               text);
    at += w + line;
  };
  DrawMarker(p, QPointF(at + radius, middle), radius, true, pal);
  at += radius * 2 + line / 3.0;
  label(LegendWithin);
  DrawMarker(p, QPointF(at + radius, middle), radius, false, pal);
  at += radius * 2 + line / 3.0;
  label(LegendOver);
  const double ring = radius * RingPerMarker;
  DrawRing(p, QPointF(at + ring, middle), ring, pal);
  at += ring * 2 + line / 3.0;
  label(LegendForm);
  p.setPen(AllowedPen(pal));
  p.drawLine(QPointF(at, middle), QPointF(at + line * 1.5, middle));
  at += line * 1.5 + line / 3.0;
  label(QStringLiteral("allowed drop ") + PercentText(m_allowed));
}

} // namespace compare
