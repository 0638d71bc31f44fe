// The AC drop with the conductor's reactance: resistance and reactance from
// NEC Chapter 9 Table 9, combined at the load's power factor. At power factor
// 1 this is the K relation; at a lagging one the reactance adds, most for
// large conductors in steel.
#pragma once

#include "CalcState.h"
#include "ConductorTables.h"

#include <array>
#include <optional>
#include <string_view>

namespace engine {

// A cell the table does not have.
inline constexpr double NotInTable9 = 0.0;

// Ohms to neutral per 1000 ft, in the table's own column order.
struct Table9Row {
  std::string_view size; // as WireSizeNames spells it
  double xlPvcOrAluminum, xlSteel;
  double rCopperPvc, rCopperAluminum, rCopperSteel;
  double rAluminumPvc, rAluminumAluminum, rAluminumSteel;
};

// NEC 2023 Chapter 9 Table 9: 600 V cables, three-phase, 60 Hz, 75 °C, three
// single conductors in conduit. The table has no 700 kcmil row and nothing
// below No. 14; its 1000 kcmil row is beyond the sizes here.
// clang-format off
inline constexpr std::array<Table9Row, 20> Table9 = {{
    {"No. 14",  0.058, 0.073, 3.1,   3.1,   3.1,   NotInTable9, NotInTable9, NotInTable9},
    {"No. 12",  0.054, 0.068, 2.0,   2.0,   2.0,   3.2,   3.2,   3.2},
    {"No. 10",  0.050, 0.063, 1.2,   1.2,   1.2,   2.0,   2.0,   2.0},
    {"No. 8",   0.052, 0.065, 0.78,  0.78,  0.78,  1.3,   1.3,   1.3},
    {"No. 6",   0.051, 0.064, 0.49,  0.49,  0.49,  0.81,  0.81,  0.81},
    {"No. 4",   0.048, 0.060, 0.31,  0.31,  0.31,  0.51,  0.51,  0.51},
    {"No. 3",   0.047, 0.059, 0.25,  0.25,  0.25,  0.40,  0.41,  0.40},
    {"No. 2",   0.045, 0.057, 0.19,  0.20,  0.20,  0.32,  0.32,  0.32},
    {"No. 1",   0.046, 0.057, 0.15,  0.16,  0.16,  0.25,  0.26,  0.25},
    {"No. 1/0", 0.044, 0.055, 0.12,  0.13,  0.12,  0.20,  0.21,  0.20},
    {"No. 2/0", 0.043, 0.054, 0.10,  0.10,  0.10,  0.16,  0.16,  0.16},
    {"No. 3/0", 0.042, 0.052, 0.077, 0.082, 0.079, 0.13,  0.13,  0.13},
    {"No. 4/0", 0.041, 0.051, 0.062, 0.067, 0.063, 0.10,  0.11,  0.10},
    {"250 kcm", 0.041, 0.052, 0.052, 0.057, 0.054, 0.085, 0.090, 0.086},
    {"300 kcm", 0.041, 0.051, 0.044, 0.049, 0.045, 0.071, 0.076, 0.072},
    {"350 kcm", 0.040, 0.050, 0.038, 0.043, 0.039, 0.061, 0.066, 0.063},
    {"400 kcm", 0.040, 0.049, 0.033, 0.038, 0.035, 0.054, 0.059, 0.055},
    {"500 kcm", 0.039, 0.048, 0.027, 0.032, 0.029, 0.043, 0.048, 0.045},
    {"600 kcm", 0.039, 0.048, 0.023, 0.028, 0.025, 0.036, 0.041, 0.038},
    {"750 kcm", 0.038, 0.048, 0.019, 0.024, 0.021, 0.029, 0.034, 0.031},
}};
// clang-format on

struct Impedance {
  double r;  // AC resistance, ohms per 1000 ft
  double xl; // reactance, ohms per 1000 ft

  bool operator==(const Impedance&) const = default;
};

// R and XL of one conductor of `material` in `raceway` (steel takes the steel
// columns, aluminum conduit the aluminum and PVC-or-aluminum ones, non-metal
// the PVC ones). Empty where Table 9 has no value, never interpolated, and for
// any index outside the tables.
std::optional<Impedance> Table9Impedance(int material, int wireSize, int raceway);

// Ze = R x PF + XL x sin(arccos PF): the table's effective impedance at a
// power factor, ohms per 1000 ft.
double EffectiveImpedance(const Impedance& z, double powerFactor);

// Volts dropped by the record's load (Amps, FeetLength, PhaseMultiplier: 2 for
// single phase, the square root of 3 for three-phase line to line) through
// conductorsIndex + 1 conductors to a phase:
// M x I x (Ze / n) x L / 1000. Empty for direct current and where Table 9 has
// no value.
std::optional<double> ImpedanceDropVolts(const CalcState& s, int wireSize, int conductorsIndex,
                                         double powerFactor);

} // namespace engine
