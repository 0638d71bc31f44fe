// Percent drop against wire size in the widget's palette: the drop each size is judged by, the
// allowed drop dashed, sizes within it filled, sizes lacking the ampacity shaded, the size to
// install boxed and the form's size ringed.
#pragma once

#include "engine/ConductorSizing.h"
#include "engine/ConductorTables.h"

#include <QWidget>
#include <array>
#include <optional>

class QFontMetrics;
class QPainter;

namespace sizing {

class CDropChart : public QWidget {
public:
  explicit CDropChart(QWidget* parent = nullptr);

  using Drops = std::array<double, engine::WireSizeCount>; // percent; NaN: none
  // `formSize` is ringed; the allowed drop is in percent.
  void SetSizing(const engine::ConductorSizing& sizing, double allowedPercent, int formSize);

  // Whether the size is shaded as lacking the ampacity for the load.
  bool LacksAmpacity(int size) const { return m_lacks.at(static_cast<std::size_t>(size)); }

  // Whether the drops are drawn on a logarithmic axis: when the sizes span
  // more than a factor of 20 of drop, where a linear axis would flatten the small ones.
  bool LogScale() const { return m_axis.log; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  // The drawn range of drops, in decades when logarithmic; a linear axis is
  // marked every `step`.
  struct Axis {
    bool log = false;
    double low = 0.0, high = 1.0, step = 0.5;
  };
  static Axis AxisFor(const Drops& drops, double allowedPercent);
  // Fraction of the plot's height, 0 at the bottom; out-of-range drops (zero
  // on a log axis, infinities) are held at the edges.
  double Position(double percent) const;

  // How many lines the legend takes at this width.
  int LegendLines(int width) const;

  // Where the plot, its marks and the legend go at the present size.
  struct Geometry;
  Geometry Measure(const QFontMetrics& fm) const;
  void PlaceTicks(Geometry& g, double plotHeight) const;
  bool HaveFormSize() const { return m_formSize >= 0 && m_formSize < engine::WireSizeCount; }

  // The steps of painting, back to front.
  void DrawShading(QPainter& p, const Geometry& g) const;
  void DrawAxes(QPainter& p, const Geometry& g) const;
  void DrawSeries(QPainter& p, const Geometry& g) const;
  void DrawLegend(QPainter& p, const Geometry& g) const;

  Drops m_drops{};
  std::array<bool, engine::WireSizeCount> m_within{};
  std::array<bool, engine::WireSizeCount> m_lacks{};
  std::optional<int> m_installSize;
  double m_allowed = 0.0;
  int m_formSize = -1;
  Axis m_axis;
};

} // namespace sizing
