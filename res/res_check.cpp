// Checks that the icons are compiled in under the paths the app uses and that each PNG has the
// size its name claims. Exit status 0 when all are good; one line per fault otherwise.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <cstdio>

int main() {
  int faults = 0;
  const QStringList sizes = QStringLiteral(QUILLFEN_ICON_SIZES).split(u',');
  const QStringList compiledIn =
      QDir(QStringLiteral(":/icons"), QStringLiteral("*.png")).entryList();
  if (compiledIn.size() != sizes.size()) {
    std::printf("FAIL :/icons holds %lld PNGs, the build lists %lld sizes\n",
                static_cast<long long>(compiledIn.size()), static_cast<long long>(sizes.size()));
    ++faults;
  }
  for (const QString& sizeText : sizes) {
    const int size = sizeText.toInt();
    const QString path = QStringLiteral(":/icons/quillfen-%1.png").arg(size);
    const QImage image(path);
    if (image.isNull()) {
      std::printf("FAIL %s: missing or not a PNG\n", qPrintable(path));
      ++faults;
    } else if (image.width() != size || image.height() != size || !image.hasAlphaChannel()) {
      std::printf("FAIL %s: %dx%d, alpha %d\n", qPrintable(path), image.width(), image.height(),
                  int(image.hasAlphaChannel()));
      ++faults;
    }
  }
  // The SVG is read as text: the Qt SVG module is not a dependency of ours.
  QFile svg(QStringLiteral(":/icons/quillfen.svg"));
  if (!svg.open(QIODevice::ReadOnly) || !svg.readAll().contains("<svg")) {
    std::printf("FAIL :/icons/quillfen.svg: missing or not an SVG\n");
    ++faults;
  }
  std::printf("%d icon fault(s)\n", faults);
  return faults == 0 ? 0 : 1;
}
