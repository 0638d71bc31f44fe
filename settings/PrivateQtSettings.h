// Qt's widget file dialog keeps its state in QSettings' own scopes: it reads
// QtProject.conf in the config home (beside our store) as it is built, and
// writes it as it closes, waiting without end on that file's lock. A FIFO or
// a huge file there would hang the dialog, or the exit after it.
#pragma once

#include <QTemporaryDir>

namespace settings {

// While one lives, Qt's scopes are a fresh folder of its own: it starts with
// a copy of the user's QtProject.conf when that is a sound file (as the
// store judges its own), so the dialog opens as the user left Qt's dialogs,
// and what the dialog writes goes nowhere else. On Windows the scopes are the
// registry, which has no such fault, and nothing changes.
class PrivateQtSettings {
public:
  PrivateQtSettings();
  ~PrivateQtSettings();
  PrivateQtSettings(const PrivateQtSettings&) = delete;
  PrivateQtSettings& operator=(const PrivateQtSettings&) = delete;

private:
#ifndef Q_OS_WIN
  QTemporaryDir m_folder;
#endif
};

} // namespace settings
