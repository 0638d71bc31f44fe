// Dialog units to pixels from the dialog font's own metrics, the way Windows
// converts them, so a window keeps its proportions at any font and DPI.
#pragma once

#include "DialogTemplate.h"

#include <QRect>

class QFont;

namespace dialogkit {

struct DialogUnits {
  int baseX; // average character width in pixels
  int baseY; // character height in pixels

  static DialogUnits FromFont(const QFont& font);

  int X(int dlu) const { return MulDiv(dlu, baseX, 4); }
  int Y(int dlu) const { return MulDiv(dlu, baseY, 8); }
  QRect Rect(const DluRect& r) const { return {X(r.x), Y(r.y), X(r.width), Y(r.height)}; }

  // a * b / c rounded half away from zero, as the system's MulDiv does.
  static int MulDiv(int a, int b, int c);
};

} // namespace dialogkit
