// The eleven selections kept between runs: section "State" of the per-user
// store, each a 32-bit integer judged by itself when read back.
#pragma once

#include "engine/CalcState.h"
#include "engine/ConductorTables.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <string_view>

class QSettings;

namespace settings {

struct PersistedValue {
  std::string_view name;
  int engine::CalcState::*field; // nullptr for Voltage, which is a double
  int min;                       // valid range, closed
  int max;
  // A value that is absent or out of range takes the record's construction value.
  constexpr int DefaultValue() const {
    constexpr engine::CalcState initial;
    return field != nullptr ? initial.*field : static_cast<int>(initial.Voltage);
  }
};

inline constexpr std::string_view SettingsSection = "State";

// In the order they are read and written. Voltage keeps to the range its
// edit accepts.
inline constexpr std::array<PersistedValue, 11> PersistedValues = {{
    {"Material", &engine::CalcState::Material, 0, engine::MaterialAluminum},
    {"Current", &engine::CalcState::Current, 0, engine::CurrentDc},
    {"Phase", &engine::CalcState::Phase, 0, engine::PhaseThree},
    {"SolveFor", &engine::CalcState::SolveFor, 0, engine::SolveWireSize},
    {"VoltageDrop", &engine::CalcState::DropMode, 0, engine::ModeFinalVoltage},
    {"Raceway", &engine::CalcState::Raceway, 0, engine::RacewayNonMetal},
    {"Load", &engine::CalcState::LoadUnits, 0, engine::UnitsVoltAmps},
    {"WireSize", &engine::CalcState::WireSize, 0, engine::LargestWireSize},
    {"NumberOfWires", &engine::CalcState::ConductorsIndex, 0, engine::ConductorCountMax - 1},
    {"DistanceUnits", &engine::CalcState::DistanceUnits, 0, engine::UnitsMeters},
    {"Voltage", nullptr, static_cast<int>(engine::VoltageRange.min),
     static_cast<int>(engine::VoltageRange.max)},
}};

#ifndef Q_OS_WIN
// The INI file of Linux: absent, non-numeric, negative, fractional or
// out-of-range values give that value's default.
void LoadSelections(QSettings& store, engine::CalcState& state);

// Voltage is stored as its whole-number part; a voltage with no such part in
// 32 bits (infinite, undefined, too large) is stored as 0, which a later
// start rejects. Written through WriteStore: false leaves the store as it was.
bool StoreSelections(QSettings& store, const engine::CalcState& state);
#endif
// The whole-number part stored for a voltage, 0 where it has none in 32 bits.
int StoredVoltage(double voltage);

// The user's own store (SettingsStore.h says where): the INI file on Linux,
// the registry on Windows. A store that cannot be read gives the defaults;
// one that cannot be written safely keeps the previous exit's values.
void ReadStoredSelections(engine::CalcState& state);
void WriteStoredSelections(const engine::CalcState& state);

// The application name the store is named after: the executable's file name
// without directory and extension. Qt's default differs: argv[0] as typed on
// Unix, cut at the first dot on Windows.
QString StoreApplicationName(const QString& executablePath);

} // namespace settings
