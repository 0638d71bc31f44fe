// The one place of the tests' support that includes the Win32 headers.
#include "StoreText.h"

#include <QList>
#include <windows.h>

namespace testing_ui {

namespace {

std::wstring Subkey(const QString& key) {
  return key.mid(QStringLiteral("HKEY_CURRENT_USER\\").size()).toStdWString();
}

struct Value {
  std::wstring name;
  DWORD type;
  QByteArray data;
};

std::vector<Value> ValuesOf(const std::wstring& subkey) {
  std::vector<Value> values;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return values;
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    BYTE data[1024];
    DWORD nameSize = 256, type = 0, size = sizeof(data);
    if (RegEnumValueW(key, i, name, &nameSize, nullptr, &type, data, &size) != ERROR_SUCCESS)
      break;
    values.push_back(
        {name, type,
         QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))});
  }
  RegCloseKey(key);
  return values;
}

std::string Shown(const Value& value) {
  if (value.type == REG_DWORD && value.data.size() == sizeof(DWORD)) {
    DWORD dword = 0;
    memcpy(&dword, value.data.constData(), sizeof(dword));
    return std::to_string(dword);
  }
  if (value.type == REG_SZ)
    return QString::fromWCharArray(reinterpret_cast<const wchar_t*>(value.data.constData()))
        .toStdString();
  return "type " + std::to_string(value.type);
}

std::vector<std::wstring> SectionsOf(const std::wstring& subkey) {
  std::vector<std::wstring> sections;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &key) !=
      ERROR_SUCCESS)
    return sections;
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD size = 256;
    if (RegEnumKeyExW(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    sections.emplace_back(name);
  }
  RegCloseKey(key);
  return sections;
}

} // namespace

std::map<std::string, std::string> RegistrySectionText(const QString& key, const QString& section) {
  std::map<std::string, std::string> keys;
  for (const Value& value : ValuesOf(Subkey(key) + L'\\' + section.toStdWString()))
    keys[QString::fromStdWString(value.name).toStdString()] = Shown(value);
  return keys;
}

QByteArray RegistryText(const QString& key) {
  QByteArray text;
  for (const std::wstring& section : SectionsOf(Subkey(key))) {
    for (const Value& value : ValuesOf(Subkey(key) + L'\\' + section))
      text += QString::fromStdWString(section + L'/' + value.name).toUtf8() + '=' +
              QByteArray::number(value.type) + ':' + value.data.toHex() + '\n';
  }
  return text;
}

void WriteRegistryFromIni(const QString& key, const QByteArray& iniText) {
  DeleteRegistryKey(key);
  QString section;
  for (const QByteArray& raw : iniText.split('\n')) {
    const QString line = QString::fromLatin1(raw).trimmed();
    if (line.startsWith(u'[') && line.endsWith(u']')) {
      section = line.mid(1, line.size() - 2);
      continue;
    }
    const qsizetype eq = line.indexOf(u'=');
    if (section.isEmpty() || eq <= 0)
      continue;
    HKEY written = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, (Subkey(key) + L'\\' + section.toStdWString()).c_str(),
                        0, nullptr, 0, KEY_SET_VALUE, nullptr, &written, nullptr) != ERROR_SUCCESS)
      continue;
    const std::wstring name = line.left(eq).trimmed().toStdWString();
    const QString text = line.mid(eq + 1).trimmed();
    bool whole = false;
    const uint number = text.toUInt(&whole);
    if (whole) {
      const DWORD dword = number;
      RegSetValueExW(written, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dword),
                     sizeof(dword));
    } else {
      const std::wstring wide = text.toStdWString();
      RegSetValueExW(written, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                     static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(written);
  }
}

void DeleteRegistryKey(const QString& key) {
  RegDeleteTreeW(HKEY_CURRENT_USER, Subkey(key).c_str());
}

} // namespace testing_ui
