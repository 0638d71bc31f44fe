// Reads a settings file as plain text, so a test sees what was written and
// not the typed values Qt keeps cached for files this process wrote.
#pragma once

#include <QFile>
#include <QString>
#include <map>
#include <string>

namespace testing_ui {

// The keys and raw values of one [section]; empty when the file is missing.
inline std::map<std::string, std::string> SectionText(const QString& path, const QString& section) {
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

inline QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace testing_ui
