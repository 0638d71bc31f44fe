// Reads a settings file as plain text, so a test sees what was written and
// not the typed values Qt keeps cached for files this process wrote. On
// Windows the store is a registry key, read and written here the same way:
// INI text stands for its values, a whole number as a DWORD, anything else
// as a string.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <map>
#include <string>

namespace testing_ui {

#ifdef Q_OS_WIN
// Keys written with their hive, "HKEY_CURRENT_USER\Software\...".
inline bool IsRegistryKey(const QString& path) {
  return path.startsWith(QStringLiteral("HKEY_CURRENT_USER\\"));
}
std::map<std::string, std::string> RegistrySectionText(const QString& key, const QString& section);
// Every value of every section, one "section/name=type:value" line each.
QByteArray RegistryText(const QString& key);
void WriteRegistryFromIni(const QString& key, const QByteArray& iniText);
void DeleteRegistryKey(const QString& key);
#endif

// The keys and raw values of one [section]; empty when the file is missing.
inline std::map<std::string, std::string> SectionText(const QString& path, const QString& section) {
#ifdef Q_OS_WIN
  if (IsRegistryKey(path))
    return RegistrySectionText(path, section);
#endif
  std::map<std::string, std::string> keys;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return keys;
  bool inSection = false;
  for (const QByteArray& raw : file.readAll().split('\n')) {
    const QString line = QString::fromUtf8(raw).trimmed();
    if (line.startsWith(QLatin1Char('['))) {
      inSection = line == QLatin1Char('[') + section + QLatin1Char(']');
      continue;
    }
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (inSection && eq > 0)
      keys[line.left(eq).trimmed().toStdString()] = line.mid(eq + 1).trimmed().toStdString();
  }
  return keys;
}

// Whether the store exists at all: the file, or the registry key.
inline bool StoreExists(const QString& path) {
#ifdef Q_OS_WIN
  if (IsRegistryKey(path))
    return !RegistryText(path).isEmpty();
#endif
  return QFile::exists(path);
}

inline QByteArray FileBytes(const QString& path) {
#ifdef Q_OS_WIN
  if (IsRegistryKey(path))
    return RegistryText(path);
#endif
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace testing_ui
