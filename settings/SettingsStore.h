// Where the selections are kept, opened so that a start or an exit never
// blocks on it, and written so that a write that does not complete leaves the
// store as it was.
#pragma once

#include <QtGlobal>

#include <QString>
#include <QVariant>
#include <memory>
#include <utility>
#include <vector>

class QSettings;

namespace settings {

// Where the store lives: <root>/<maker>/<application name>.conf on Linux (an
// INI file; the root is the user's config home, where Qt itself would put it),
// <root>\<maker>\<application name> in the registry on Windows (the root is
// HKEY_CURRENT_USER\Software). Tests give every test a root of its own so
// that they never touch the user's own selections; an empty root brings the
// user's own back.
void SetStoreRoot(const QString& root);
QString StoreLocation();

#ifndef Q_OS_WIN
// The INI file of Linux (Windows keeps the selections in the registry,
// RegistryStore.h).

// Ours holds eleven short lines and a QLockFile a few; anything far larger is
// not ours and is neither read nor written (reading it alone could take
// seconds).
inline constexpr qint64 MaxStoreBytes = qint64{64} * 1024;
inline constexpr qint64 MaxLockBytes = qint64{4} * 1024;

// Absent, or (through links) a regular file of a store's size: a path
// QSettings may read without blocking or taking seconds.
bool IsUsableStorePath(const QString& path);

// nullptr when the store's path exists but is no regular file (a FIFO would
// block the read) or is larger than MaxStoreBytes: the selections then take
// their defaults.
std::unique_ptr<QSettings> OpenStoreForReading();

// nullptr when the store cannot be written safely within about 1.5 seconds:
// the path is no regular file or too large, its folder cannot be made, its
// lock is no regular file or too large, or the lock is held by a live process
// or cannot be cleared by QLockFile's own stale-lock rules. The returned
// store holds the lock until it is destroyed; with the lock taken, the side
// files a killed write left beside the store are removed.
std::unique_ptr<QSettings> OpenStoreForWriting();

// Sets `values` (keys with their section, "State/Material") in the store
// `store` was opened on, keeping every other key it holds. On Linux QSettings
// writes a side file, which is read back and checked (it parses, holds every
// key, each of `values` as set, and ends with a whole line); its bytes then
// replace the store whole (wholefile::Replace: flushed to the disk, the
// result checked, then renamed over it); `store` itself is left unchanged.
// False when the store keeps what it held: it could not be read, is
// read-only, or the write or its flush did not complete.
bool WriteStore(QSettings& store, const std::vector<std::pair<QString, QVariant>>& values);
#endif

} // namespace settings
