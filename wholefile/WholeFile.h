// Replacing a file whole, the one way the program writes a file: the new
// bytes go to a side file beside it (its name and six letters), are written
// and flushed to the disk with every result checked, and only then renamed
// over it.
#pragma once

#include <QByteArray>
#include <QFileInfo>
#include <QString>

namespace wholefile {

enum class Problem {
  None,
  NotRegularFile, // a FIFO, a device, a folder, or a link to one
  ReadOnly,
  WriteFailed, // the reason says why, when the system said
};

struct Outcome {
  Problem problem = Problem::None;
  QString reason; // the system's words for WriteFailed; may be empty
};

// What a replace of `path` replaces, and where its side file goes: the end
// of the chain of links from `path` (as QSaveFile follows them); empty for a
// loop.
QFileInfo ReplacedFile(const QString& path);

// Writes `bytes` over `path`. Only a regular file (reached through links,
// which stay) or a new name is replaced, and it keeps its mode. On any
// failure, the disk's late one too, what was there is left as it was.
Outcome Replace(const QString& path, const QByteArray& bytes);

} // namespace wholefile
