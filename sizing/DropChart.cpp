#include "DropChart.h"

#include "InstallColour.h"
#include "SizingStrings.h"
#include "results/ShownNumber.h"

#include "dialogkit/Text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace sizing {

using results::ShownNumber;

namespace {

constexpr double NotDrawn = std::numeric_limits<double>::quiet_NaN();

// Proportions, most of them in lines of the chart's font.
constexpr double LogScaleRatio = 20.0;    // drops spanning more than 1.3 decades
constexpr double Headroom = 1.05;         // above the highest drop on a linear axis
constexpr double MarkerPerLine = 1 / 5.0; // a marker's radius
constexpr double SmallestMarker = 2.5;    // pixels
constexpr double RingPerMarker = 2.2;     // the form's size ring, in marker radii
constexpr double TickSpacing = 1.5;       // least room between log-axis marks
constexpr double LegendMiddle = 0.9;      // where the first legend line is centred
constexpr int LeastWidthLines = 22;
constexpr int LeastPlotLines = 4;
constexpr int PlotLines = 12; // the plot's height when there is room

QString PercentText(double value) { return ShownNumber(value) + QLatin1Char('%'); }

double MarkerRadius(int line) { return std::max(SmallestMarker, line * MarkerPerLine); }

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

// The size to install: a square around its marker, in the table's green.
void DrawBox(QPainter& p, QPointF at, double half) {
  p.setPen(QPen(InstallColour(), 2.5));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(at.x() - half, at.y() - half, half * 2, half * 2));
}

QPen AllowedPen(const QPalette& pal) {
  QPen pen(pal.color(QPalette::Text), 1.5, Qt::DashLine);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

// The sizes without the ampacity for the load: a light fill under a hatch,
// which also reads in grey.
void Shade(QPainter& p, const QRectF& area, const QPalette& pal) {
  QColor fill = pal.color(QPalette::Text);
  fill.setAlpha(25);
  QColor hatch = pal.color(QPalette::Text);
  hatch.setAlpha(70);
  p.fillRect(area, fill);
  p.fillRect(area, QBrush(hatch, Qt::BDiagPattern));
}

enum class Symbol { Within, Over, Install, Form, Allowed, Lacks };

struct LegendEntry {
  Symbol symbol;
  QString text;
};

std::vector<LegendEntry> LegendEntries(double allowedPercent) {
  return {
      {Symbol::Within, dialogkit::ToQString(IdsLegendWithin)},
      {Symbol::Over, dialogkit::ToQString(IdsLegendOver)},
      {Symbol::Install, dialogkit::ToQString(IdsLegendInstall)},
      {Symbol::Form, dialogkit::ToQString(IdsLegendForm)},
      {Symbol::Allowed, dialogkit::ToQString(IdsLegendAllowed).arg(PercentText(allowedPercent))},
      {Symbol::Lacks, dialogkit::ToQString(IdsLegendLacks)}};
}

double SymbolWidth(Symbol symbol, int line) {
  switch (symbol) {
  case Symbol::Within:
  case Symbol::Over:
    return MarkerRadius(line) * 2;
  case Symbol::Install:
  case Symbol::Form:
    return MarkerRadius(line) * RingPerMarker * 2;
  case Symbol::Allowed:
    return line * 1.5;
  default:
    return line;
  }
}

// Where each entry starts: left to right, on a new line where the next one
// would pass `width`.
struct Placed {
  double x;
  int line;
};
std::vector<Placed> PlaceLegend(const std::vector<LegendEntry>& entries, const QFontMetrics& fm,
                                double width) {
  const int line = fm.height();
  std::vector<Placed> placed;
  double x = 0;
  int row = 0;
  for (const LegendEntry& entry : entries) {
    const double w =
        SymbolWidth(entry.symbol, line) + line / 3.0 + fm.horizontalAdvance(entry.text);
    if (x > 0 && x + w > width) {
      x = 0;
      ++row;
    }
    placed.push_back({x, row});
    x += w + line;
  }
  return placed;
}

// The widest the allowed drop's legend text gets, so the hints do not move.
const double WidestAllowed = engine::PercentDropRange.max;

} // namespace

CDropChart::CDropChart(QWidget* parent) : QWidget(parent) {
  setAccessibleName(dialogkit::ToQString(IdsChartName));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CDropChart::SetSizing(const engine::ConductorSizing& sizing, double allowedPercent,
                           int formSize) {
  for (std::size_t size = 0; size < m_drops.size(); ++size) {
    m_drops[size] = sizing.sizes[size].sizedPercent;
    m_within[size] = sizing.sizes[size].withinDrop;
    m_lacks[size] = !sizing.sizes[size].installable;
  }
  m_installSize = sizing.installedSize;
  m_allowed = allowedPercent;
  m_formSize = formSize;
  m_axis = AxisFor(m_drops, allowedPercent);
  update();
}

int CDropChart::LegendLines(int width) const {
  const QFontMetrics fm(font());
  return PlaceLegend(LegendEntries(WidestAllowed), fm, width - fm.height()).back().line + 1;
}

CDropChart::Axis CDropChart::AxisFor(const Drops& drops, double allowedPercent) {
  double lowest = std::numeric_limits<double>::infinity();
  double highest = 0.0;
  const auto take = [&](double v) {
    if (std::isfinite(v) && v > 0) {
      lowest = std::min(lowest, v);
      highest = std::max(highest, v);
    }
  };
  for (const double drop : drops)
    take(drop);
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
  const int line = fm.height();
  int widest = 0;
  for (const LegendEntry& entry : LegendEntries(WidestAllowed))
    widest = std::max(widest, static_cast<int>(std::ceil(SymbolWidth(entry.symbol, line))) +
                                  fm.horizontalAdvance(entry.text) + line);
  const int width = std::max(line * LeastWidthLines, widest + line);
  // The legend, a gap, the plot and the size names below it.
  return {width, line * (LegendLines(width) + 1 + LeastPlotLines + 2)};
}

QSize CDropChart::sizeHint() const {
  const QFontMetrics fm(font());
  const int line = fm.height();
  const std::vector<LegendEntry> entries = LegendEntries(WidestAllowed);
  double oneLine = line;
  for (const LegendEntry& entry : entries)
    oneLine +=
        SymbolWidth(entry.symbol, line) + line / 3.0 + fm.horizontalAdvance(entry.text) + line;
  const int width = std::max(minimumSizeHint().width(), static_cast<int>(std::ceil(oneLine)));
  return {width, line * (LegendLines(width) + 1 + PlotLines + 2)};
}

// Where everything goes at the widget's present size.
struct CDropChart::Geometry {
  int line = 0;      // one line of the chart's font
  double radius = 0; // a marker's
  int nameWidth = 0; // the widest size name
  std::vector<Placed> legend;
  std::vector<Tick> ticks; // fractions of the plot's height
  QRectF plot;
  double spacing = 0; // between two sizes
  double X(int size) const { return plot.left() + (size + 0.5) * spacing; }
  double Y(double fraction) const { return plot.bottom() - fraction * plot.height(); }
};

CDropChart::Geometry CDropChart::Measure(const QFontMetrics& fm) const {
  Geometry g;
  g.line = fm.height();
  g.radius = MarkerRadius(g.line);
  for (std::string_view name : engine::WireSizeNames)
    g.nameWidth = std::max(g.nameWidth, fm.horizontalAdvance(dialogkit::ToQString(name)));
  // The legend takes the top lines, the size names the bottom one.
  g.legend = PlaceLegend(LegendEntries(m_allowed), fm, width() - g.line);
  const int top = g.line * (g.legend.back().line + 2);
  const double plotHeight = std::max(height() - g.line * 2 - top, 1);
  PlaceTicks(g, plotHeight);
  int tickWidth = 0;
  for (const Tick& tick : g.ticks)
    tickWidth = std::max(tickWidth, fm.horizontalAdvance(tick.text));
  const int left = std::max(tickWidth + g.line / 2, g.nameWidth / 2) + 2;
  const int right = width() - std::max(g.line, g.nameWidth / 2) - 2;
  g.plot = QRectF(left, top, std::max(right - left, 1), plotHeight);
  g.spacing = g.plot.width() / engine::WireSizeCount;
  return g;
}

void CDropChart::PlaceTicks(Geometry& g, double plotHeight) const {
  std::vector<Tick>& ticks = g.ticks;
  if (m_axis.log) {
    const double decades = m_axis.high - m_axis.low;
    const double fit = std::max(1.0, std::floor(plotHeight / (g.line * TickSpacing)));
    const double every = std::max(1.0, std::ceil(decades / fit));
    for (double d = 0; d <= decades; d += every)
      ticks.push_back({d / decades, PercentText(std::pow(10.0, m_axis.low + d))});
  } else {
    const double step = m_axis.step;
    for (int i = 0; i <= 10 && i * step <= m_axis.high * (1 + 1e-9); ++i)
      ticks.push_back({i * step / m_axis.high, PercentText(i * step)});
  }
}

void CDropChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const Geometry g = Measure(QFontMetrics(font()));
  DrawShading(p, g);
  DrawAxes(p, g);
  DrawSeries(p, g);
  DrawLegend(p, g);
}

// The plot's ground, and the sizes without the ampacity for the load shaded
// in runs.
void CDropChart::DrawShading(QPainter& p, const Geometry& g) const {
  const QPalette& pal = palette();
  p.fillRect(g.plot, pal.color(QPalette::Base));
  for (int size = 0; size < engine::WireSizeCount;) {
    if (!m_lacks[static_cast<std::size_t>(size)]) {
      ++size;
      continue;
    }
    const int first = size;
    while (size < engine::WireSizeCount && m_lacks[static_cast<std::size_t>(size)])
      ++size;
    Shade(p,
          QRectF(g.plot.left() + first * g.spacing, g.plot.top(), (size - first) * g.spacing,
                 g.plot.height()),
          pal);
  }
}

// The grid, the frame, the drops marked on the left and the size names below.
void CDropChart::DrawAxes(QPainter& p, const Geometry& g) const {
  const QPalette& pal = palette();
  QColor grid = pal.color(QPalette::Text);
  grid.setAlpha(40);
  p.setPen(QPen(grid, 1));
  for (const Tick& tick : g.ticks)
    p.drawLine(QPointF(g.plot.left(), g.Y(tick.at)), QPointF(g.plot.right(), g.Y(tick.at)));
  p.setPen(QPen(pal.color(QPalette::Mid), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(g.plot);

  p.setPen(pal.color(QPalette::WindowText));
  for (const Tick& tick : g.ticks) {
    const QRectF box(0, g.Y(tick.at) - g.line / 2.0, g.plot.left() - g.line / 4.0, g.line);
    p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, tick.text);
  }

  // Size names: every few sizes, and the form's own in bold, leaving out the
  // ones it would overlap.
  const int every = std::max(1, static_cast<int>(std::ceil((g.nameWidth + g.line) / g.spacing)));
  const bool haveForm = HaveFormSize();
  const auto drawName = [&](int size) {
    const QRectF box(g.X(size) - g.nameWidth, g.plot.bottom() + g.line / 4.0, g.nameWidth * 2.0,
                     g.line);
    p.drawText(box, Qt::AlignHCenter | Qt::AlignTop,
               dialogkit::ToQString(engine::WireSizeNames[size]));
  };
  for (int size = 0; size < engine::WireSizeCount; size += every) {
    if (!haveForm || std::abs(g.X(size) - g.X(m_formSize)) >= g.nameWidth + g.line / 2.0)
      drawName(size);
  }
  if (haveForm) {
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    drawName(m_formSize);
    p.setFont(font());
  }
}

// The allowed drop dashed, then the drops: a line broken where a drop has no
// value, a marker on each, the form's size ringed.
void CDropChart::DrawSeries(QPainter& p, const Geometry& g) const {
  const QPalette& pal = palette();
  const double allowedAt = Position(m_allowed);
  if (!std::isnan(allowedAt)) {
    p.setPen(AllowedPen(pal));
    p.drawLine(QPointF(g.plot.left(), g.Y(allowedAt)), QPointF(g.plot.right(), g.Y(allowedAt)));
  }

  p.save();
  const double margin = g.radius * 3;
  p.setClipRect(g.plot.adjusted(-margin, -margin, margin, margin));
  QPainterPath path;
  bool drawing = false;
  for (int size = 0; size < engine::WireSizeCount; ++size) {
    const double at = Position(m_drops[static_cast<std::size_t>(size)]);
    if (std::isnan(at)) {
      drawing = false;
      continue;
    }
    const QPointF point(g.X(size), g.Y(at));
    if (drawing)
      path.lineTo(point);
    else
      path.moveTo(point);
    drawing = true;
  }
  p.setPen(QPen(pal.color(QPalette::Highlight), 2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  const auto at = [&](int size) { return Position(m_drops[static_cast<std::size_t>(size)]); };
  for (int size = 0; size < engine::WireSizeCount; ++size) {
    if (!std::isnan(at(size)))
      DrawMarker(p, QPointF(g.X(size), g.Y(at(size))), g.radius,
                 m_within[static_cast<std::size_t>(size)], pal);
  }
  if (m_installSize && !std::isnan(at(*m_installSize)))
    DrawBox(p, QPointF(g.X(*m_installSize), g.Y(at(*m_installSize))), g.radius * RingPerMarker);
  if (HaveFormSize() && !std::isnan(at(m_formSize)))
    DrawRing(p, QPointF(g.X(m_formSize), g.Y(at(m_formSize))), g.radius * RingPerMarker, pal);
  p.restore();
}

void CDropChart::DrawLegend(QPainter& p, const Geometry& g) const {
  const QPalette& pal = palette();
  const QFontMetrics fm(font());
  const std::vector<LegendEntry> legend = LegendEntries(m_allowed);
  const double ring = g.radius * RingPerMarker;
  for (std::size_t i = 0; i < legend.size(); ++i) {
    const Symbol symbol = legend[i].symbol;
    const double at = g.line / 2.0 + g.legend[i].x;
    const double middle = g.line * (LegendMiddle + g.legend[i].line);
    switch (symbol) {
    case Symbol::Within:
    case Symbol::Over:
      DrawMarker(p, QPointF(at + g.radius, middle), g.radius, symbol == Symbol::Within, pal);
      break;
    case Symbol::Install:
      DrawBox(p, QPointF(at + ring, middle), ring);
      break;
    case Symbol::Form:
      DrawRing(p, QPointF(at + ring, middle), ring, pal);
      break;
    case Symbol::Allowed:
      p.setPen(AllowedPen(pal));
      p.drawLine(QPointF(at, middle), QPointF(at + g.line * 1.5, middle));
      break;
    case Symbol::Lacks: {
      const QRectF swatch(at, middle - g.line * 0.4, g.line, g.line * 0.8);
      Shade(p, swatch, pal);
      p.setPen(QPen(pal.color(QPalette::Mid), 1));
      p.setBrush(Qt::NoBrush);
      p.drawRect(swatch);
      break;
    }
    }
    const double textAt = at + SymbolWidth(symbol, g.line) + g.line / 3.0;
    const double w = fm.horizontalAdvance(legend[i].text);
    p.setPen(pal.color(QPalette::WindowText));
    p.drawText(QRectF(textAt, middle - g.line / 2.0, w + 1, g.line),
               Qt::AlignLeft | Qt::AlignVCenter, legend[i].text);
  }
}

} // namespace sizing
