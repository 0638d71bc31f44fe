// How well one colour reads on another, by the WCAG contrast ratio, and the
// least a caption or a result must reach to read well at a dialog's size.
#pragma once

#include <QColor>

namespace dialogkit {

inline constexpr double ReadableContrast = 4.5;

// (L1 + 0.05) / (L2 + 0.05) of the relative luminances, lighter over darker:
// 1 for equal colours, 21 for black on white.
double ContrastRatio(const QColor& a, const QColor& b);

// `preferred` where it reads on `background`; otherwise the colour nearest
// to it, on the way to `fallback`, that does; black or white, whichever
// stands out more, if even `fallback` does not.
QColor ReadableOn(const QColor& background, const QColor& preferred, const QColor& fallback);

} // namespace dialogkit
