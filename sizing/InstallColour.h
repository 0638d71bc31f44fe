// The one colour that marks the size to install, in the table and the chart
// alike: a green that reads on light and dark palettes and in grey as a
// frame distinct from the form size's ring.
#pragma once

#include <QColor>

namespace sizing {

inline QColor InstallColour() { return {0x2e, 0x9d, 0x4a}; }

// The table's tint of the row: the colour, light enough to read text through.
inline QColor InstallTint() {
  QColor tint = InstallColour();
  tint.setAlpha(90);
  return tint;
}

} // namespace sizing
