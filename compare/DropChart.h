// Percent drop against wire size in the widget's palette: the allowed drop dashed, sizes within
// it filled, sizes lacking the ampacity shaded, the form's size ringed.
#pragma once

#include "engine/Ampacity.h"
#include "engine/ConductorTables.h"

#include <QWidget>

class QFontMetrics;
class QPainter;
#include <array>

namespace compare {

class CDropChart : public QWidget {
public:
  explicit CDropChart(QWidget* parent = nullptr);

  using Rows = std::array<engine::WireSizeRow, engine::WireSizeCount>;
  // `formSize` is ringed; the allowed drop is in percent.
  void SetChoice(const engine::WireSizeChoice& choice, double allowedPercent, int formSize);

  // Whether the size is shaded as lacking the ampacity for the load.
  bool LacksAmpacity(int size) const { return m_lacks.at(static_cast<std::size_t>(size)); }

  // Whether the drops are drawn on a logarithmic axis: when the sizes span
  // more than two decades of drop.
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
  static Axis AxisFor(const Rows& rows, double allowedPercent);
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

  Rows m_rows{};
  std::array<bool, engine::WireSizeCount> m_lacks{};
  double m_allowed = 0.0;
  int m_formSize = -1;
  Axis m_axis;
};

} // namespace compare
