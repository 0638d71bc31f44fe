// The eleven selections kept between runs: section "State" of the per-user
// store, each a 32-bit integer judged by itself when read back.
#pragma once

#include "engine/CalcState.h"

#include <QString>
#include <array>
#include <string_view>

class QSettings;

namespace ui {

struct PersistedValue {
  std::string_view name;
  int engine::CalcState::*field; // nullptr for Voltage, which is a double
  int defaultValue;
  int min; // valid range, closed
  int max;
};

inline constexpr std::string_view SettingsSection = "State";

// In the order they are read and written.
inline constexpr std::array<PersistedValue, 11> PersistedValues = {{
    {"Material", &engine::CalcState::Material, 0, 0, 1},
    {"Current", &engine::CalcState::Current, 0, 0, 1},
    {"Phase", &engine::CalcState::Phase, 0, 0, 1},
    {"SolveFor", &engine::CalcState::SolveFor, 3, 0, 3},
    {"VoltageDrop", &engine::CalcState::DropMode, 0, 0, 2},
    {"Raceway", &engine::CalcState::Raceway, 0, 0, 2},
    {"Load", &engine::CalcState::LoadUnits, 0, 0, 1},
    {"WireSize", &engine::CalcState::WireSize, 13, 0, 33},
    {"NumberOfWires", &engine::CalcState::ConductorsIndex, 0, 0, 7},
    {"DistanceUnits", &engine::CalcState::DistanceUnits, 0, 0, 1},
    {"Voltage", nullptr, 120, 1, 1000000},
}};

// Absent, non-numeric, negative, fractional or out-of-range values give that
// value's default.
void LoadSelections(QSettings& store, engine::CalcState& state);

// Voltage is stored as its whole-number part; a voltage with no such part in
// 32 bits (infinite, undefined, too large) is stored as 0, which a later
// start rejects.
void StoreSelections(QSettings& store, const engine::CalcState& state);

// The application name the store is named after: the executable's file name
// without directory and extension. Qt's default differs: argv[0] as typed on
// Unix, cut at the first dot on Windows.
QString StoreApplicationName(const QString& executablePath);

} // namespace ui
