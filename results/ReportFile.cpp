#include "ReportFile.h"

namespace results {

SaveOutcome SaveWholeFile(const QString& path, const QByteArray& bytes) {
  return wholefile::Replace(path, bytes);
}

} // namespace results
