#include "BoxText.h"

namespace dialogkit {

namespace {

// About four lines of a box; a longer path is shortened in the middle.
constexpr qsizetype MaxShownChars = 240;
// No run without a break opportunity is longer than this.
constexpr qsizetype MaxUnbroken = 32;
constexpr char16_t ZeroWidthSpace = 0x200B;
constexpr char16_t Ellipsis = 0x2026;

bool IsSeparator(QChar c) { return c == u'/' || c == u'\\'; }

} // namespace

QString BoxPath(const QString& path) {
  QString shown = path;
  if (shown.size() > MaxShownChars) {
    qsizetype head = (MaxShownChars - 1) / 2;
    qsizetype tail = head;
    // Never between the two halves of a surrogate pair.
    if (shown.at(head - 1).isHighSurrogate())
      --head;
    if (shown.at(shown.size() - tail).isLowSurrogate())
      --tail;
    shown = shown.left(head) + QChar(Ellipsis) + shown.right(tail);
  }
  QString out;
  out.reserve(shown.size() + shown.size() / MaxUnbroken * 2 + 8);
  qsizetype run = 0;
  for (const QChar c : shown) {
    out += c;
    if (c.isSpace()) {
      run = 0;
      continue;
    }
    ++run;
    if ((IsSeparator(c) || run >= MaxUnbroken) && !c.isHighSurrogate()) {
      out += QChar(ZeroWidthSpace);
      run = 0;
    }
  }
  return out;
}

} // namespace dialogkit
