#include "PushLikeRadio.h"

#include "Contrast.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <cstdlib>

namespace dialogkit {

namespace {

// The palette's text colour for its highlight where it reads well at a
// caption's small size; else black or white, whichever stands out more.
// Fusion's white on its mid blue falls short and gets black.
QColor CaptionOn(const QColor& fill, const QColor& preferred) {
  return ReadableOn(fill, preferred, preferred);
}

// The highlight as the fill of a checked button, moved away from the face
// of an unchecked one where the two are too alike to tell apart at a
// glance (a disabled highlight is a mid grey in several palettes).
QColor FillOn(const QColor& face, QColor fill) {
  constexpr int Distinct = 96; // grey levels
  const bool darker = qGray(face.rgb()) >= 128;
  for (int step = 0; step < 8 && std::abs(qGray(fill.rgb()) - qGray(face.rgb())) < Distinct; ++step)
    fill = darker ? fill.darker(115) : fill.lighter(115);
  return fill;
}

} // namespace

PushLikeRadio::PushLikeRadio(const QString& caption, QWidget* parent)
    : FittedButton(caption, parent) {}

void PushLikeRadio::paintEvent(QPaintEvent* event) {
  if (!isChecked()) {
    FittedButton::paintEvent(event);
    return;
  }
  // QCommonStyle's CE_PushButton in three steps, with the fill put between
  // the style's own sunken frame and the caption. Painting the fill here
  // rather than passing it in the palette also works with styles that draw
  // buttons from theme images and ignore the palette.
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.state |= QStyle::State_Sunken | QStyle::State_On;
  painter.drawControl(QStyle::CE_PushButtonBevel, option);

  const QPalette::ColorGroup group = isEnabled() ? QPalette::Normal : QPalette::Disabled;
  const QColor fill =
      FillOn(palette().color(group, QPalette::Button), palette().color(group, QPalette::Highlight));
  const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  painter.fillRect(contents, fill);

  QStyleOptionButton label = option;
  label.rect = contents;
  label.palette.setColor(QPalette::ButtonText,
                         CaptionOn(fill, palette().color(group, QPalette::HighlightedText)));
  painter.drawControl(QStyle::CE_PushButtonLabel, label);

  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
    focus.backgroundColor = fill;
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

} // namespace dialogkit
