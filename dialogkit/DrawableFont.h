// A font in a face that can draw it. Asked for a weight or an italic it has
// no cut of, a face is left to the system, which draws it in another face or
// not at all as asked: Windows' bitmap "MS Sans Serif" has no bold italic and
// no large sizes, and puts a serif in its place; Wine draws Tahoma, which has
// a bold but no italic cut, bold italic in its regular weight.
#pragma once

class QFont;

namespace dialogkit {

// `font` as it is when its face has the cut it asks for (or is not on the
// system, which then finds a stand-in itself); else in the first plain sans
// serif that has that cut, with the face itself behind it.
QFont DrawableFont(QFont font);

} // namespace dialogkit
