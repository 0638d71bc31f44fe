#include "FittedButton.h"

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>

namespace dialogkit {

namespace {

// The narrowest a caption may be drawn, as a share of its width. A face's
// semi-condensed cut keeps about nine tenths of it, and a face without one
// squeezed to that stretch still reads; squeezed to three quarters at dialog
// sizes, as Wine draws it, an m reads rn and a b reads k.
constexpr double LegibleNarrowing = 0.85;

} // namespace

FittedButton::FittedButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void FittedButton::FitCaption() {
  const QString caption = QString(text()).remove(QLatin1Char('&'));
  const int width = fontMetrics().horizontalAdvance(caption);
  for (const int stretch : {QFont::SemiCondensed, QFont::Condensed}) {
    if (fontMetrics().horizontalAdvance(caption) <= CaptionRoom())
      return;
    QFont narrower = font();
    narrower.setStretch(stretch);
    if (QFontMetrics(narrower, this).horizontalAdvance(caption) < LegibleNarrowing * width)
      return;
    setFont(narrower);
  }
}

void FittedButton::initStyleOption(QStyleOptionButton* option) const {
  QPushButton::initStyleOption(option);
  option->text =
      fontMetrics().elidedText(option->text, Qt::ElideRight, CaptionRoom(), Qt::TextShowMnemonic);
}

int FittedButton::CaptionRoom() const {
  return width() - 2 * style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, this);
}

} // namespace dialogkit
