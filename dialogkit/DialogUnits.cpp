#include "DialogUnits.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <cstdlib>

namespace dialogkit {

DialogUnits DialogUnits::FromFont(const QFont& font) {
  const QFontMetrics metrics(font);
  static const QString letters =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const int width = metrics.horizontalAdvance(letters);
  return {(width / 26 + 1) / 2, metrics.height()};
}

int DialogUnits::MulDiv(int a, int b, int c) {
  const long long product = static_cast<long long>(a) * b;
  const long long half = std::llabs(c) / 2;
  const bool negative = (product < 0) != (c < 0);
  const long long magnitude = (std::llabs(product) + half) / std::llabs(c);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

} // namespace dialogkit
