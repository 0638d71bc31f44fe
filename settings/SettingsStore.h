// Where the selections are kept, opened so that a start or an exit never
// blocks on it: a path that is not a regular file is left alone, and a lock
// that cannot be had within a short bound skips the write.
#pragma once

#include <QString>
#include <memory>

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

// nullptr when the store's path exists but is no regular file (a FIFO would
// block the read): the selections then take their defaults.
std::unique_ptr<QSettings> OpenStoreForReading();

// nullptr when the store cannot be written safely within about 1.5 seconds:
// the path is no regular file, its folder cannot be made, or its lock is held
// by a live process or cannot be cleared by QLockFile's own stale-lock rules.
std::unique_ptr<QSettings> OpenStoreForWriting();

} // namespace settings
