#include "PushLikeRadio.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>
#include <cmath>

namespace dialogkit {

namespace {

// WCAG relative luminance and contrast ratio.
double Luminance(const QColor& color) {
  const auto channel = [](float c) {
    return c <= 0.03928f ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  const QColor rgb = color.toRgb();
  return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
         0.0722 * channel(rgb.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The palette's text colour for its highlight where it reads well at a
// caption's small size (4.5:1); else black or white, whichever stands out
// more. Fusion's white on its mid blue falls short and gets black.
QColor CaptionOn(const QColor& fill, const QColor& preferred) {
  constexpr double Readable = 4.5;
  if (Contrast(fill, preferred) >= Readable)
    return preferred;
  return Contrast(fill, Qt::black) >= Contrast(fill, Qt::white) ? QColor(Qt::black)
                                                                : QColor(Qt::white);
}

} // namespace

PushLikeRadio::PushLikeRadio(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void PushLikeRadio::paintEvent(QPaintEvent* event) {
  if (!isChecked()) {
    QPushButton::paintEvent(event);
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
  const QColor fill = palette().color(group, QPalette::Highlight);
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
