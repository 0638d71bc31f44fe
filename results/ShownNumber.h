// A number as the calculator's edits show it, for every place that prints one.
#pragma once

#include "engine/NumberText.h"

#include <QString>

namespace results {

inline QString ShownNumber(double value) {
  return QString::fromStdString(engine::PrintNumber(value));
}

} // namespace results
