#include "PersistedSettings.h"

#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <cmath>
#include <limits>

namespace settings {

namespace {

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

int StoredVoltage(double voltage) {
  const double whole = std::trunc(voltage);
  if (!(whole >= std::numeric_limits<int>::min() && whole <= std::numeric_limits<int>::max()))
    return 0;
  return static_cast<int>(whole);
}

} // namespace

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

void StoreSelections(QSettings& store, const engine::CalcState& state) {
  store.beginGroup(Key(SettingsSection));
  for (const PersistedValue& value : PersistedValues) {
    const int stored = value.field != nullptr ? state.*value.field : StoredVoltage(state.Voltage);
    store.setValue(Key(value.name), stored);
  }
  store.endGroup();
  // One atomic write of the whole file: a kill leaves the old or the new values.
  store.sync();
}

QString StoreApplicationName(const QString& executablePath) {
  return QFileInfo(executablePath).completeBaseName();
}

} // namespace settings
