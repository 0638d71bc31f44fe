#include "ReportFile.h"

namespace results {

namespace {

constexpr std::chrono::minutes LeftoverAge{1};

} // namespace

SaveOutcome SaveWholeFile(const QString& path, const QByteArray& bytes) {
  wholefile::ClearLeftovers(wholefile::ReplacedFile(path).absolutePath(),
                            wholefile::SideFilePattern(QStringLiteral("(?i).+\\.pdf")),
                            LeftoverAge);
  return wholefile::Replace(path, bytes);
}

} // namespace results
