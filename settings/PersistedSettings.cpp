#include "PersistedSettings.h"
#include "SettingsStore.h"

#ifdef Q_OS_WIN
#include "RegistryStore.h"
#endif

#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <cmath>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

namespace settings {

namespace {

#ifndef Q_OS_WIN
QString Key(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

int ReadValue(const QSettings& store, const PersistedValue& value) {
  const QString key = Key(value.name);
  if (!store.contains(key))
    return value.DefaultValue();
  // Through text: variant conversions do not range-check ("4294967296" -> 0).
  bool ok = false;
  const uint stored = store.value(key).toString().trimmed().toUInt(&ok);
  if (!ok || stored < static_cast<uint>(value.min) || stored > static_cast<uint>(value.max))
    return value.DefaultValue();
  return static_cast<int>(stored);
}
#endif

} // namespace

int StoredVoltage(double voltage) {
  const double whole = std::trunc(voltage);
  if (!(whole >= std::numeric_limits<int>::min() && whole <= std::numeric_limits<int>::max()))
    return 0;
  return static_cast<int>(whole);
}

#ifndef Q_OS_WIN
void LoadSelections(QSettings& store, engine::CalcState& state) {
  store.beginGroup(Key(SettingsSection));
  for (const PersistedValue& value : PersistedValues) {
    const int stored = ReadValue(store, value);
    if (value.field != nullptr)
      state.*value.field = stored;
    else
      state.Voltage = static_cast<double>(stored);
  }
  store.endGroup();
}

bool StoreSelections(QSettings& store, const engine::CalcState& state) {
  const QString section = Key(SettingsSection) + u'/';
  std::vector<std::pair<QString, QVariant>> values;
  for (const PersistedValue& value : PersistedValues) {
    const int stored = value.field != nullptr ? state.*value.field : StoredVoltage(state.Voltage);
    values.emplace_back(section + Key(value.name), stored);
  }
  // The whole store at once: a kill, a full disk or a write cut short leaves
  // the old values or the new, never a part.
  return WriteStore(store, values);
}
#endif

void ReadStoredSelections(engine::CalcState& state) {
#ifdef Q_OS_WIN
  LoadSelectionsFromRegistry(StoreLocation(), state);
#else
  if (const std::unique_ptr<QSettings> store = OpenStoreForReading())
    LoadSelections(*store, state);
#endif
}

void WriteStoredSelections(const engine::CalcState& state) {
#ifdef Q_OS_WIN
  StoreSelectionsInRegistry(StoreLocation(), state);
#else
  if (const std::unique_ptr<QSettings> store = OpenStoreForWriting())
    StoreSelections(*store, state);
#endif
}

QString StoreApplicationName(const QString& executablePath) {
  return QFileInfo(executablePath).completeBaseName();
}

} // namespace settings
