// Putting a rendered report where the user asked: the file is whole, or not
// written at all and whatever was there kept.
#pragma once

#include "wholefile/WholeFile.h"

#include <QByteArray>
#include <QString>

namespace results {

using SaveProblem = wholefile::Problem;
using SaveOutcome = wholefile::Outcome;

// Writes `bytes` over `path` whole (wholefile::Replace). The side files that
// saves to that folder left when they were killed are cleared first, once
// they are a minute old: a younger one may be another run's, still writing.
SaveOutcome SaveWholeFile(const QString& path, const QByteArray& bytes);

} // namespace results
