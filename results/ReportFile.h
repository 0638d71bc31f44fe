// Putting a rendered report where the user asked: the file is whole, or not
// written at all and whatever was there kept.
#pragma once

#include <QByteArray>
#include <QString>

namespace results {

enum class SaveProblem {
  None,
  NotRegularFile, // a FIFO, a device, a folder, or a link to one
  ReadOnly,
  WriteFailed, // the reason says why, when the system said
};

struct SaveOutcome {
  SaveProblem problem = SaveProblem::None;
  QString reason; // the system's words for WriteFailed; may be empty
};

// Writes `bytes` beside the target and renames the copy over it only once
// every byte was written and flushed. Only a regular file (reached through
// links, which stay) or a new name is replaced, and it keeps its mode.
SaveOutcome SaveWholeFile(const QString& path, const QByteArray& bytes);

} // namespace results
