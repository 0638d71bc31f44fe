// Percent drop against wire size for one circuit, drawn with the widget's own
// palette: the drop of every size, the allowed drop as a line, the sizes
// within it marked and the size on the form ringed.
#pragma once

#include "engine/ConductorTables.h"
#include "engine/WireSizeComparison.h"

#include <QWidget>
#include <array>

namespace compare {

class CDropChart : public QWidget {
public:
  explicit CDropChart(QWidget* parent = nullptr);

  using Rows = std::array<engine::WireSizeRow, engine::WireSizeCount>;
  // `formSize` is ringed; the allowed drop is in percent.
  void SetRows(const Rows& rows, double allowedPercent, int formSize);

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

  Rows m_rows{};
  double m_allowed = 0.0;
  int m_formSize = -1;
  Axis m_axis;
};

} // namespace compare
