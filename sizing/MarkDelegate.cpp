#include "MarkDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace sizing {

namespace {

// The tick's size and stroke, in lines of the cell's font: large and bold
// enough to see from across the table, as a fallback glyph of a font without
// one is not.
constexpr double TickHeight = 0.75;
constexpr double StrokePerHeight = 0.16;
constexpr double LeastStroke = 1.5; // pixels

} // namespace

void MarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  QStyleOptionViewItem cell(option);
  initStyleOption(&cell, index);
  const bool marked = !cell.text.isEmpty();
  cell.text.clear(); // the background, the selection and the focus, but no glyph
  const QStyle* style = cell.widget != nullptr ? cell.widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
  if (!marked)
    return;

  // In the colours the cell's text would have: a selection in a table
  // without the focus is drawn in the inactive group, pale on Windows.
  const bool selected = (cell.state & QStyle::State_Selected) != 0;
  const QPalette::ColorGroup group = (cell.state & QStyle::State_Enabled) == 0 ? QPalette::Disabled
                                     : (cell.state & QStyle::State_Active) != 0
                                         ? QPalette::Active
                                         : QPalette::Inactive;
  const QColor colour =
      cell.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
  const double h = std::min<double>(cell.fontMetrics.height() * TickHeight, cell.rect.height());
  const QPointF c = QRectF(cell.rect).center();
  QPainterPath tick(QPointF(c.x() - h * 0.45, c.y()));
  tick.lineTo(c.x() - h * 0.12, c.y() + h * 0.35);
  tick.lineTo(c.x() + h * 0.5, c.y() - h * 0.42);

  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(QPen(colour, std::max(LeastStroke, h * StrokePerHeight), Qt::SolidLine,
                       Qt::RoundCap, Qt::RoundJoin));
  painter->setBrush(Qt::NoBrush);
  painter->drawPath(tick);
  painter->restore();
}

} // namespace sizing
