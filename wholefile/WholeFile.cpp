#include "WholeFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace wholefile {

namespace {

// As deep as QSaveFile follows links.
constexpr int MaxLinkDepth = 128;

Outcome Failed(const QSaveFile& file) {
  return {Problem::WriteFailed,
          file.error() != QFileDevice::NoError ? file.errorString() : QString()};
}

// The system's words for why the data did not reach the disk; empty when it
// did. A file system that writes back late reports a full disk or an I/O
// error only here, and QSaveFile's own commit does not look.
QString SyncToDisk(QFileDevice& file) {
  int result = 0;
#ifdef Q_OS_WIN
  result = ::_commit(file.handle());
#else
  do
    result = ::fdatasync(file.handle());
  while (result != 0 && errno == EINTR);
#endif
  return result == 0 ? QString() : QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

QFileInfo ReplacedFile(const QString& path) {
  QFileInfo info(path);
  for (int depth = 0; info.isSymLink(); ++depth) {
    if (depth == MaxLinkDepth)
      return {};
    info.setFile(info.symLinkTarget());
  }
  return info;
}

Outcome Replace(const QString& path, const QByteArray& bytes) {
  // QSaveFile renames over whatever it finds, a FIFO or the null device too.
  const QFileInfo replaced = ReplacedFile(path);
  if (replaced.filePath().isEmpty() || (replaced.exists() && !replaced.isFile()))
    return {Problem::NotRegularFile, {}};
  // Without the owner's write bit a file is read-only, even to root.
  if (replaced.exists() &&
      (!replaced.isWritable() || !replaced.permissions().testFlag(QFileDevice::WriteOwner)))
    return {Problem::ReadOnly, {}};

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
  // QSaveFile's commit renames even after a failed write or flush; it must
  // not run then.
  if (written != bytes.size() || !file.flush()) {
    Outcome outcome = Failed(file);
    file.cancelWriting();
    return outcome;
  }
  if (const QString unsynced = SyncToDisk(file); !unsynced.isEmpty()) {
    file.cancelWriting();
    return {Problem::WriteFailed, unsynced};
  }
  if (!file.commit())
    return Failed(file);
  return {};
}

QString SideFilePattern(const QString& targetPattern) {
  // QSaveFile's and QTemporaryFile's names: the target's and ".XXXXXX".
  return QStringLiteral("(?:%1)\\.[A-Za-z0-9]{6}").arg(targetPattern);
}

void ClearLeftovers(const QString& folder, const QString& namePattern,
                    std::chrono::seconds minAge) {
  if (folder.isEmpty()) // not the current folder
    return;
  const QRegularExpression names(QRegularExpression::anchoredPattern(namePattern));
  const QDateTime now = QDateTime::currentDateTimeUtc();
  // Regular files only: no FIFO, device or folder, and no link.
  const QFileInfoList entries =
      QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
  for (const QFileInfo& entry : entries) {
    if (!names.match(entry.fileName()).hasMatch())
      continue;
#ifndef Q_OS_WIN
    if (entry.ownerId() != ::geteuid())
      continue;
#endif
    if (minAge.count() > 0 && entry.lastModified().secsTo(now) < minAge.count())
      continue;
    QFile::remove(entry.filePath());
  }
}

} // namespace wholefile
