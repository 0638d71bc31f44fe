#include "ReportFile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace results {

namespace {

// As deep as QSaveFile follows links.
constexpr int MaxLinkDepth = 128;

// What QSaveFile would replace: the end of the chain of links from `path`;
// empty for a loop.
QFileInfo ReplacedFile(const QString& path) {
  QFileInfo info(path);
  for (int depth = 0; info.isSymLink(); ++depth) {
    if (depth == MaxLinkDepth)
      return {};
    info.setFile(info.symLinkTarget());
  }
  return info;
}

SaveOutcome Failed(const QSaveFile& file) {
  return {SaveProblem::WriteFailed,
          file.error() != QFileDevice::NoError ? file.errorString() : QString()};
}

} // namespace

SaveOutcome SaveWholeFile(const QString& path, const QByteArray& bytes) {
  // QSaveFile renames over whatever it finds, a FIFO or the null device too.
  const QFileInfo replaced = ReplacedFile(path);
  if (replaced.filePath().isEmpty() || (replaced.exists() && !replaced.isFile()))
    return {SaveProblem::NotRegularFile, {}};
  // Without the owner's write bit a file is read-only, even to root.
  if (replaced.exists() &&
      (!replaced.isWritable() || !replaced.permissions().testFlag(QFileDevice::WriteOwner)))
    return {SaveProblem::ReadOnly, {}};

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return Failed(file);
  // A short write is how a full disk starts: the next write says why.
  qint64 written = 0;
  while (written < bytes.size()) {
    const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
    if (step <= 0)
      break;
    written += step;
  }
  // QSaveFile's commit renames even after a failed write; it must not run.
  if (written != bytes.size() || !file.flush()) {
    SaveOutcome outcome = Failed(file);
    file.cancelWriting();
    return outcome;
  }
  if (!file.commit())
    return Failed(file);
  return {};
}

} // namespace results
