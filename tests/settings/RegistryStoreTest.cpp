// The Windows store, row by row of the program's table: what a read takes
// from each registry value and what it falls back from, what a write leaves
// under the key, and a key that cannot be had.
#include "settings/RegistryStore.h"
#include "StoreText.h"

#include "settings/PersistedSettings.h"

#include <QUuid>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>
#include <windows.h>

namespace settings {
namespace {

using engine::CalcState;

double Get(const CalcState& s, const PersistedValue& v) {
  return v.field != nullptr ? s.*v.field : s.Voltage;
}

// A valid value that is not the default: its neighbour within the range.
DWORD Other(const PersistedValue& v) {
  const int d = v.DefaultValue();
  return static_cast<DWORD>(d < v.max ? d + 1 : d - 1);
}

std::wstring Wide(std::string_view text) { return {text.begin(), text.end()}; }

// A key of the test's own under HKEY_CURRENT_USER, removed afterwards.
class RegistryStore : public ::testing::Test {
protected:
  void SetUp() override {
    m_subkey = L"Software\\Quillfen tests\\" + QUuid::createUuid().toString().toStdWString();
    m_storeKey = QStringLiteral("HKEY_CURRENT_USER\\") + QString::fromStdWString(m_subkey);
  }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, m_subkey.c_str()); }

  // Sets one raw value under <store key>\State.
  void SetRaw(std::string_view name, DWORD type, const void* data, DWORD size) const {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (m_subkey + L"\\State").c_str(), 0, nullptr, 0,
                              KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(
        RegSetValueExW(key, Wide(name).c_str(), 0, type, static_cast<const BYTE*>(data), size),
        ERROR_SUCCESS);
    RegCloseKey(key);
  }

  std::wstring m_subkey;
  QString m_storeKey;
};

TEST_F(RegistryStore, EachValueIsTakenOnlyAsADwordInRange) {
  for (const PersistedValue& v : PersistedValues) {
    const DWORD other = Other(v);
    const DWORD above = static_cast<DWORD>(v.max) + 1;
    const DWORD allBits = 0xFFFFFFFF;
    const std::wstring text = std::to_wstring(other);
    const unsigned long long wide = other;
    const struct {
      const char* name;
      DWORD type;
      const void* data;
      DWORD size;
      double want;
    } rows[] = {
        {"in range", REG_DWORD, &other, sizeof(other), static_cast<double>(other)},
        {"above the range", REG_DWORD, &above, sizeof(above), double(v.DefaultValue())},
        {"all bits", REG_DWORD, &allBits, sizeof(allBits), double(v.DefaultValue())},
        {"text", REG_SZ, text.c_str(), DWORD((text.size() + 1) * sizeof(wchar_t)),
         double(v.DefaultValue())},
        {"64 bits", REG_QWORD, &wide, sizeof(wide), double(v.DefaultValue())},
        {"binary", REG_BINARY, &other, sizeof(other), double(v.DefaultValue())},
    };
    for (const auto& row : rows) {
      SCOPED_TRACE(std::string(v.name) + " " + row.name);
      RegDeleteTreeW(HKEY_CURRENT_USER, m_subkey.c_str());
      SetRaw(v.name, row.type, row.data, row.size);
      CalcState loaded;
      LoadSelectionsFromRegistry(m_storeKey, loaded);
      EXPECT_EQ(Get(loaded, v), row.want);
      // The other ten are absent and take their defaults.
      for (const PersistedValue& o : PersistedValues) {
        if (&o != &v) {
          EXPECT_EQ(Get(loaded, o), o.DefaultValue()) << o.name;
        }
      }
    }
  }
}

// The values are set in table order; the registry lists them in an order of
// its own (Wine sorts them), so only what is there is compared, a DWORD by
// its number.
TEST_F(RegistryStore, WritesElevenDwordsAndKeepsOtherValues) {
  const wchar_t extra[] = L"kept";
  SetRaw("Extra", REG_SZ, extra, sizeof(extra));
  CalcState s;
  for (const PersistedValue& v : PersistedValues) {
    if (v.field != nullptr)
      s.*v.field = static_cast<int>(Other(v));
  }
  s.Voltage = 277.9;
  ASSERT_TRUE(StoreSelectionsInRegistry(m_storeKey, s));
  std::map<std::string, std::string> want = {{"Extra", "kept"}};
  for (const PersistedValue& v : PersistedValues)
    want[std::string(v.name)] = std::to_string(v.field != nullptr ? Other(v) : 277);
  EXPECT_EQ(testing_ui::RegistrySectionText(m_storeKey, QStringLiteral("State")), want);

  CalcState loaded;
  LoadSelectionsFromRegistry(m_storeKey, loaded);
  for (const PersistedValue& v : PersistedValues)
    EXPECT_EQ(Get(loaded, v), v.field != nullptr ? Other(v) : 277) << v.name;
}

// A voltage with no whole part in range is written, and rejected at the next start.
TEST_F(RegistryStore, AVoltageOutOfRangeComesBackAsTheDefault) {
  for (const double voltage : {-3.0, 0.5, 1e300, 1000001.0}) {
    SCOPED_TRACE(voltage);
    CalcState s;
    s.Voltage = voltage;
    ASSERT_TRUE(StoreSelectionsInRegistry(m_storeKey, s));
    CalcState loaded;
    loaded.Voltage = 480;
    LoadSelectionsFromRegistry(m_storeKey, loaded);
    EXPECT_EQ(loaded.Voltage, 120.0);
  }
}

TEST_F(RegistryStore, AKeyThatCannotBeHadGivesDefaultsSilently) {
  const QString tooLong = m_storeKey + u'\\' + QString(300, u'x');
  for (const QString& storeKey :
       {QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Orrelby\\Tamsik"), tooLong, QString()}) {
    SCOPED_TRACE(storeKey.toStdString());
    CalcState s;
    s.Material = 1;
    EXPECT_FALSE(StoreSelectionsInRegistry(storeKey, s));
    CalcState loaded;
    loaded.Material = 1;
    LoadSelectionsFromRegistry(storeKey, loaded);
    EXPECT_EQ(loaded.Material, 0);
  }
}

} // namespace
} // namespace settings
