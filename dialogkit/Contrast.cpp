#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace dialogkit {

namespace {

double Luminance(const QColor& color) {
  const auto channel = [](float c) {
    return c <= 0.03928f ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  const QColor rgb = color.toRgb();
  return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
         0.0722 * channel(rgb.blueF());
}

QColor Blend(const QColor& from, const QColor& to, double t) {
  const QColor a = from.toRgb();
  const QColor b = to.toRgb();
  const auto mix = [t](float x, float y) { return x + (y - x) * static_cast<float>(t); };
  return QColor::fromRgbF(mix(a.redF(), b.redF()), mix(a.greenF(), b.greenF()),
                          mix(a.blueF(), b.blueF()));
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& background, const QColor& preferred, const QColor& fallback) {
  constexpr int Steps = 20;
  for (int step = 0; step <= Steps; ++step) {
    const QColor candidate = Blend(preferred, fallback, static_cast<double>(step) / Steps);
    if (ContrastRatio(background, candidate) >= ReadableContrast)
      return candidate;
  }
  return ContrastRatio(background, Qt::black) >= ContrastRatio(background, Qt::white)
             ? QColor(Qt::black)
             : QColor(Qt::white);
}

} // namespace dialogkit
