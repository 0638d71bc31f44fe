// The one place of this layer that includes the Win32 headers.
#include "RegistryStore.h"

#include "PersistedSettings.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdint>
#include <string>

namespace settings {

namespace {

constexpr std::wstring_view Hive = L"HKEY_CURRENT_USER\\";

// The section's key below HKEY_CURRENT_USER; empty for a key of another hive.
std::wstring SectionKey(const QString& storeKey) {
  const std::wstring key = storeKey.toStdWString();
  if (key.size() <= Hive.size() || key.compare(0, Hive.size(), Hive) != 0)
    return {};
  return key.substr(Hive.size()) + L'\\' +
         QString::fromLatin1(SettingsSection.data(), static_cast<qsizetype>(SettingsSection.size()))
             .toStdWString();
}

std::wstring ValueName(std::string_view name) { return {name.begin(), name.end()}; }

class Key {
public:
  Key() = default;
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  ~Key() {
    if (m_key != nullptr)
      RegCloseKey(m_key);
  }
  HKEY* Out() { return &m_key; }
  HKEY Get() const { return m_key; }

private:
  HKEY m_key = nullptr;
};

} // namespace

void LoadSelectionsFromRegistry(const QString& storeKey, engine::CalcState& state) {
  const std::wstring section = SectionKey(storeKey);
  Key key;
  const bool open = !section.empty() && RegOpenKeyExW(HKEY_CURRENT_USER, section.c_str(), 0,
                                                      KEY_QUERY_VALUE, key.Out()) == ERROR_SUCCESS;
  for (const PersistedValue& value : PersistedValues) {
    int stored = value.DefaultValue();
    DWORD type = REG_NONE;
    DWORD data = 0;
    DWORD size = sizeof(data);
    // The whole 32 bits, unsigned, judged against the range.
    if (open &&
        RegQueryValueExW(key.Get(), ValueName(value.name).c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(&data), &size) == ERROR_SUCCESS &&
        type == REG_DWORD && size == sizeof(data) && data >= static_cast<DWORD>(value.min) &&
        data <= static_cast<DWORD>(value.max))
      stored = static_cast<int>(data);
    if (value.field != nullptr)
      state.*value.field = stored;
    else
      state.Voltage = static_cast<double>(stored);
  }
}

bool StoreSelectionsInRegistry(const QString& storeKey, const engine::CalcState& state) {
  const std::wstring section = SectionKey(storeKey);
  Key key;
  if (section.empty() ||
      RegCreateKeyExW(HKEY_CURRENT_USER, section.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      key.Out(), nullptr) != ERROR_SUCCESS)
    return false;
  bool stored = true;
  for (const PersistedValue& value : PersistedValues) {
    // A negative voltage is stored as its 32 bits, which a later start rejects.
    const auto data = static_cast<DWORD>(value.field != nullptr ? state.*value.field
                                                                : StoredVoltage(state.Voltage));
    stored = RegSetValueExW(key.Get(), ValueName(value.name).c_str(), 0, REG_DWORD,
                            reinterpret_cast<const BYTE*>(&data), sizeof(data)) == ERROR_SUCCESS &&
             stored;
  }
  return stored;
}

} // namespace settings
