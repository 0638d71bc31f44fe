// Where the selections are kept, opened so that a start or an exit never
// blocks on it: a path that is not a regular file is left alone, and a lock
// that cannot be had within a short bound skips the write.
#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace settings {

// The INI file behind the store: <config home>/<maker>/<application name>.conf,
// where Qt itself would put it. Empty where the store is the Windows registry.
QString StoreFilePath();

// nullptr when the store's path exists but is no regular file (a FIFO would
// block the read): the selections then take their defaults.
std::unique_ptr<QSettings> OpenStoreForReading();

// nullptr when the store cannot be written safely within about 1.5 seconds:
// the path is no regular file, its folder cannot be made, or its lock is held
// by a live process or cannot be cleared by QLockFile's own stale-lock rules.
std::unique_ptr<QSettings> OpenStoreForWriting();

} // namespace settings
