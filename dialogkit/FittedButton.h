// A push button of a dialog. Its caption was laid out for the system font and
// may not fit in a wider face: the button then narrows its font while the
// caption stays legible, and draws what still does not fit elided. Its text
// stays the whole caption, so its Alt key and whoever reads the caption (a
// screen reader, a copy of the form) keep all of it.
#pragma once

#include <QPushButton>

class QStyleOptionButton;

namespace dialogkit {

class FittedButton : public QPushButton {
public:
  explicit FittedButton(const QString& caption, QWidget* parent = nullptr);

  // Once the button has its size.
  void FitCaption();

protected:
  void initStyleOption(QStyleOptionButton* option) const override;

private:
  // The width a caption may take: the button's less the style's margins.
  int CaptionRoom() const;
};

} // namespace dialogkit
