// A checkable push button that stands for a radio button. Down alone is too
// faint a mark in most styles (a slightly darker grey), so a checked one is
// drawn sunken and filled with the palette's highlight, its caption in a
// colour that reads on that fill. Size, caption, focus and behaviour are
// those of a dialog's push button.
#pragma once

#include "FittedButton.h"

namespace dialogkit {

class PushLikeRadio : public FittedButton {
public:
  explicit PushLikeRadio(const QString& caption, QWidget* parent = nullptr);

protected:
  void paintEvent(QPaintEvent* event) override;
};

} // namespace dialogkit
