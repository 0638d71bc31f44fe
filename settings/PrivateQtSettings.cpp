#include "PrivateQtSettings.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QStandardPaths>

namespace settings {

namespace {

#ifndef Q_OS_WIN
constexpr QLatin1StringView QtFileName("QtProject.conf");

void PointQtScopesAt(const QString& user, const QString& system) {
  for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    QSettings::setPath(format, QSettings::UserScope, user);
    QSettings::setPath(format, QSettings::SystemScope, system);
  }
}
#endif

} // namespace

PrivateQtSettings::PrivateQtSettings() {
#ifndef Q_OS_WIN
  const QString users =
      QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
          .filePath(QtFileName);
  // Without a folder of its own the scopes point below a file, where nothing
  // can be read or made.
  const QString own = m_folder.isValid() ? m_folder.path() : QStringLiteral("/dev/null");
  if (m_folder.isValid() && IsUsableStorePath(users) && QFileInfo(users).isFile())
    QFile::copy(users, QDir(own).filePath(QtFileName));
  PointQtScopesAt(own, own);
#endif
}

PrivateQtSettings::~PrivateQtSettings() {
#ifndef Q_OS_WIN
  // Qt's own defaults: the config home, and Qt's settings folder.
  PointQtScopesAt(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                  QLibraryInfo::path(QLibraryInfo::SettingsPath));
#endif
}

} // namespace settings
