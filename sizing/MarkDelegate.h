// Draws a yes-or-no cell as a tick of strokes in the text's colour, so it reads
// at a glance in any font at any scale; the cell's text (and what a screen
// reader and the copy take) stays as the model gives it.
#pragma once

#include <QStyledItemDelegate>

namespace sizing {

class MarkDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

} // namespace sizing
