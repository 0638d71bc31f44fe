#include "DrawableFont.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <algorithm>

namespace dialogkit {

namespace {

// Whether `family` has an outline cut of its own at least as heavy as `font`
// asks, and slanted if it asks for italic. Windows also lists the bold and
// italic it would only simulate for a bitmap face; those do not count.
bool HasCut(const QString& family, const QFont& font) {
  const QStringList styles = QFontDatabase::styles(family);
  return std::any_of(styles.begin(), styles.end(), [&](const QString& style) {
    const bool slanted = QFontDatabase::font(family, style, 1).style() != QFont::StyleNormal;
    return QFontDatabase::isSmoothlyScalable(family, style) &&
           QFontDatabase::weight(family, style) >= font.weight() &&
           (font.style() == QFont::StyleNormal || slanted);
  });
}

// The stand-ins, most alike first: the faces Windows draws its dialogs in,
// then any other proportional sans serif the system has (Wine offers the
// host's, such as DejaVu Sans).
QStringList StandIns() {
  QStringList faces = {QStringLiteral("Tahoma"), QStringLiteral("Microsoft Sans Serif"),
                       QStringLiteral("Arial")};
  for (const QString& family : QFontDatabase::families()) {
    if (family.contains(QLatin1String("Sans")) && !QFontDatabase::isFixedPitch(family))
      faces << family;
  }
  return faces;
}

} // namespace

QFont DrawableFont(QFont font) {
  const QString family = font.family();
  if (!QFontDatabase::hasFamily(family) || HasCut(family, font))
    return font;
  // The first stand-in with the cut; failing that, whichever the system has.
  QStringList faces = StandIns();
  const auto drawn = std::find_if(faces.begin(), faces.end(),
                                  [&](const QString& face) { return HasCut(face, font); });
  if (drawn != faces.end())
    faces = {*drawn};
  font.setFamilies(faces << family);
  return font;
}

} // namespace dialogkit
