#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

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

std::unique_ptr<QSettings> OpenStore(const QString& path) {
#ifdef Q_OS_WIN
  auto store = std::make_unique<QSettings>(path, QSettings::NativeFormat);
  // Only the user's own key counts, not a maker-wide or machine-wide one.
  store->setFallbacksEnabled(false);
  return store;
#else
  // One file and no fallbacks: a value missing there takes its default.
  return std::make_unique<QSettings>(path, QSettings::IniFormat);
#endif
}

#ifndef Q_OS_WIN
bool IsReadablePath(const QString& path) {
  const QFileInfo info(path);
  return !info.exists() || info.isFile();
}

// Takes and at once releases the lock QSettings is about to take, so its own
// unbounded wait cannot start on a lock we could not get.
bool LockIsFree(const QString& path) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath()))
    return false;
  QLockFile lock(path + QStringLiteral(".lock"));
  lock.setStaleLockTime(StaleLockMs);
  if (!lock.tryLock(LockWaitMs))
    return false;
  lock.unlock();
  return true;
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

std::unique_ptr<QSettings> OpenStoreForReading() {
  const QString path = StoreLocation();
#ifndef Q_OS_WIN
  if (!IsReadablePath(path))
    return nullptr;
#endif
  return OpenStore(path);
}

std::unique_ptr<QSettings> OpenStoreForWriting() {
  const QString path = StoreLocation();
#ifndef Q_OS_WIN
  if (!IsReadablePath(path) || !LockIsFree(path))
    return nullptr;
#endif
  return OpenStore(path);
}

} // namespace settings
