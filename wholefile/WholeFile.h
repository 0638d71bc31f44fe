// Replacing a file whole, the one way the program writes a file: the new
// bytes go to a side file beside it (its name and six letters), are written
// and flushed to the disk with every result checked, and only then renamed
// over it. A run killed before the rename leaves its side file; a later run
// clears it.
#pragma once

#include <QByteArray>
#include <QFileInfo>
#include <QString>
#include <chrono>

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

// The names of the side files of the files whose names match the regular
// expression `targetPattern`: "<target name>.Abcdef".
QString SideFilePattern(const QString& targetPattern);

// Removes from `folder` the side files a killed run left: regular files (no
// links) of this user whose names the regular expression `namePattern`
// matches whole, last written at least `minAge` ago (any age when zero: the
// caller holds the lock every writer of them takes). Nothing else is touched.
void ClearLeftovers(const QString& folder, const QString& namePattern, std::chrono::seconds minAge);

} // namespace wholefile
