#include "SettingsStore.h"

#include "wholefile/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>

#ifndef Q_OS_WIN
#include <cstdio>
#endif

namespace settings {

namespace {

// QSettings waits for its lock without end (a directory in its place) or for
// 30 s (a lock left by a crash); we wait this long and then leave the store.
constexpr int LockWaitMs = 1500;
// A lock with no live holder (QLockFile keeps a flock on the ones it holds)
// older than this is cleared; a live QLockFile holder is never cleared.
constexpr int StaleLockMs = 500;

QString& Root() {
  static QString root;
  return root;
}

#ifndef Q_OS_WIN
// One file and no fallbacks: a value missing there takes its default.
std::unique_ptr<QSettings> OpenStore(const QString& path) {
  return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

// QLockFile reads a lock it finds to judge it, whole and blocking: only an
// absent lock or a regular file of a lock's size is left to it. A link is not
// followed, as it could lead anywhere.
bool IsUsableLockPath(const QString& path) {
  const QFileInfo info(path);
  if (info.isSymLink())
    return false;
  return !info.exists() || (info.isFile() && info.size() <= MaxLockBytes);
}

// Keeps the store's lock for as long as the store it is attached to lives.
class HeldLock : public QObject {
public:
  HeldLock(std::unique_ptr<QLockFile> lock, QObject* store)
      : QObject(store), m_lock(std::move(lock)) {}

private:
  std::unique_ptr<QLockFile> m_lock;
};

// The lock QSettings would take, taken within the bound; QSettings itself
// never waits on it, as the store is only replaced by WriteStore.
std::unique_ptr<QLockFile> TakeLock(const QString& storePath) {
  const QString lockPath = storePath + QStringLiteral(".lock");
  if (!IsUsableLockPath(lockPath) || !QDir().mkpath(QFileInfo(storePath).absolutePath()))
    return nullptr;
  auto lock = std::make_unique<QLockFile>(lockPath);
  lock->setStaleLockTime(StaleLockMs);
  if (!lock->tryLock(LockWaitMs))
    return nullptr;
  return lock;
}

// Files beside the store that a write makes on its way; all are removed when
// it ends.
class SideFiles {
public:
  SideFiles() = default;
  SideFiles(const SideFiles&) = delete;
  SideFiles& operator=(const SideFiles&) = delete;
  ~SideFiles() {
    for (const QString& path : m_paths)
      QFile::remove(path);
  }

  // A fresh name in the target's folder, made as an empty file.
  QString Make(const QString& target) {
    QTemporaryFile file(target + QStringLiteral(".XXXXXX"));
    file.setAutoRemove(false);
    if (!file.open())
      return {};
    m_paths << file.fileName();
    return file.fileName();
  }

private:
  QStringList m_paths;
};

bool Rename(const QString& from, const QString& to) {
  return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// The side file's bytes when QSettings reads back from them what was meant:
// they parse, hold exactly the keys meant, each new value as set, fit a store
// and end with a whole line (a write cut short ends mid-line or lacks a key).
// Empty otherwise.
QByteArray BytesHoldingWhatWasMeant(const QString& path, QStringList meant,
                                    const std::vector<std::pair<QString, QVariant>>& values) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > MaxStoreBytes)
    return {};
  QByteArray bytes = file.readAll();
  if (bytes.size() != file.size() || !bytes.endsWith('\n'))
    return {};
  const QSettings readBack(path, QSettings::IniFormat);
  QStringList keys = readBack.allKeys();
  keys.sort();
  meant.sort();
  if (readBack.status() != QSettings::NoError || keys != meant)
    return {};
  for (const auto& [key, value] : values) {
    if (readBack.value(key).toString() != value.toString())
      return {};
  }
  return bytes;
}

// The file a write replaces: a linked store stays linked, its target is
// replaced.
QString ReplacedStore(const QString& store) {
  const QFileInfo replaced = wholefile::ReplacedFile(store);
  return replaced.filePath().isEmpty() ? QString() : replaced.absoluteFilePath();
}

// What a write leaves beside the store when it is killed: its side files
// (SideFiles, and Replace's), and what QSettings makes beside one it writes,
// its own side file and lock.
void ClearLeftovers(const QString& store) {
  const QFileInfo replaced(ReplacedStore(store));
  if (replaced.filePath().isEmpty())
    return;
  const QString side = wholefile::SideFilePattern(QRegularExpression::escape(replaced.fileName()));
  wholefile::ClearLeftovers(replaced.absolutePath(),
                            side + u'|' + wholefile::SideFilePattern(side) + u'|' + side +
                                QStringLiteral("\\.lock"),
                            std::chrono::seconds(0));
}
#endif

} // namespace

void SetStoreRoot(const QString& root) { Root() = root; }

QString StoreLocation() {
#ifdef Q_OS_WIN
  const QString root = Root().isEmpty() ? QStringLiteral("HKEY_CURRENT_USER\\Software") : Root();
  return root + u'\\' + QCoreApplication::organizationName() + u'\\' +
         QCoreApplication::applicationName();
#else
  const QString root = Root().isEmpty()
                           ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                           : Root();
  return root + u'/' + QCoreApplication::organizationName() + u'/' +
         QCoreApplication::applicationName() + QStringLiteral(".conf");
#endif
}

#ifndef Q_OS_WIN
bool IsUsableStorePath(const QString& path) {
  const QFileInfo info(path);
  return !info.exists() || (info.isFile() && info.size() <= MaxStoreBytes);
}

std::unique_ptr<QSettings> OpenStoreForReading() {
  const QString path = StoreLocation();
  if (!IsUsableStorePath(path))
    return nullptr;
  return OpenStore(path);
}

std::unique_ptr<QSettings> OpenStoreForWriting() {
  const QString path = StoreLocation();
  if (!IsUsableStorePath(path))
    return nullptr;
  std::unique_ptr<QLockFile> lock = TakeLock(path);
  if (!lock)
    return nullptr;
  // Every write takes this lock: any side file there now is a killed run's.
  ClearLeftovers(path);
  std::unique_ptr<QSettings> store = OpenStore(path);
  new HeldLock(std::move(lock), store.get()); // owned by the store
  return store;
}

bool WriteStore(QSettings& store, const std::vector<std::pair<QString, QVariant>>& values) {
  // A store that could not be read would lose the keys it holds.
  if (store.status() == QSettings::AccessError)
    return false;
  const QString target = ReplacedStore(store.fileName());
  if (target.isEmpty())
    return false;

  SideFiles side;
  const QString written = side.Make(target);
  const QString checked = side.Make(target);
  if (written.isEmpty() || checked.isEmpty())
    return false;
  // The keys as QSettings holds them, which is what it means to write.
  QStringList meant;
  {
    QSettings file(written, QSettings::IniFormat);
    for (const QString& key : store.allKeys())
      file.setValue(key, store.value(key));
    for (const auto& [key, value] : values)
      file.setValue(key, value);
    meant = file.allKeys();
    file.sync();
    if (file.status() != QSettings::NoError)
      return false;
  }
  // Read back under a name QSettings has not written in this process: under
  // the name it wrote, it answers from what it meant to write.
  if (!Rename(written, checked))
    return false;
  const QByteArray bytes = BytesHoldingWhatWasMeant(checked, meant, values);
  // Only a writable regular file or a new name is replaced, keeping its mode;
  // a read-only store is one the user froze, even to root.
  return !bytes.isEmpty() && wholefile::Replace(target, bytes).problem == wholefile::Problem::None;
}
#endif

} // namespace settings
