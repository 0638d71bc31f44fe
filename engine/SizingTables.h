// The code tables that turn a load into what to install (NEC 2023): ambient
// correction, adjustment for more current-carrying conductors, the standard
// overcurrent-device ratings and the equipment grounding conductor by device.
#pragma once

#include "Ampacity.h"
#include "ConductorTables.h"

#include <array>
#include <climits>
#include <optional>
#include <string_view>

namespace engine {

// A rating that may not be used at an ambient ("--" in the table).
inline constexpr double NoFactor = 0.0;

struct AmbientRow {
  int upToC; // the row covers ambients up to this, from the row before
  std::array<double, TemperatureRatingCount> factor; // 60, 75, 90 °C columns
};

// Table 310.15(B)(1)(1): ambient correction on the 30 °C basis of Table 310.16.
// clang-format off
inline constexpr std::array<AmbientRow, 16> AmbientFactors = {{
    {10, {1.29, 1.20, 1.15}},
    {15, {1.22, 1.15, 1.12}},
    {20, {1.15, 1.11, 1.08}},
    {25, {1.08, 1.05, 1.04}},
    {30, {1.00, 1.00, 1.00}},
    {35, {0.91, 0.94, 0.96}},
    {40, {0.82, 0.88, 0.91}},
    {45, {0.71, 0.82, 0.87}},
    {50, {0.58, 0.75, 0.82}},
    {55, {0.41, 0.67, 0.76}},
    {60, {NoFactor, 0.58, 0.71}},
    {65, {NoFactor, 0.47, 0.65}},
    {70, {NoFactor, 0.33, 0.58}},
    {75, {NoFactor, NoFactor, 0.50}},
    {80, {NoFactor, NoFactor, 0.41}},
    {85, {NoFactor, NoFactor, 0.29}},
}};
// clang-format on

struct AdjustmentRow {
  int upTo; // current-carrying conductors in the raceway or cable
  double factor;
};

// Table 310.15(C)(1): more than three current-carrying conductors.
inline constexpr std::array<AdjustmentRow, 7> AdjustmentFactors = {{
    {3, 1.00},
    {6, 0.80},
    {9, 0.70},
    {20, 0.50},
    {30, 0.45},
    {40, 0.40},
    {INT_MAX, 0.35},
}};

// Table 240.6(A): standard ratings of fuses and inverse-time breakers, amperes.
inline constexpr std::array<int, 37> StandardRatings = {
    15,  20,  25,   30,   35,   40,   45,   50,   60,   70,   80,  90,  100,
    110, 125, 150,  175,  200,  225,  250,  300,  350,  400,  450, 500, 600,
    700, 800, 1000, 1200, 1600, 2000, 2500, 3000, 4000, 5000, 6000};

// 240.4(B): up to this rating the next higher standard rating may protect a
// conductor whose ampacity is not a standard rating.
inline constexpr int NextHigherRatingLimit = 800;

struct GroundRow {
  int deviceUpTo; // amperes, "not exceeding"
  int copper;     // wire-size index
  int aluminum;
};

// Table 250.122: the smallest equipment grounding conductor by the rating of
// the overcurrent device ahead of the circuit. Its rows above 4000 A are left
// out: no size here in any number carries more than 4000 A (see the check
// beside SizeConductors).
// clang-format off
inline constexpr std::array<GroundRow, 17> GroundingConductors = {{
    {15,   WireSizeIndexOf("No. 14"),  WireSizeIndexOf("No. 12")},
    {20,   WireSizeIndexOf("No. 12"),  WireSizeIndexOf("No. 10")},
    {60,   WireSizeIndexOf("No. 10"),  WireSizeIndexOf("No. 8")},
    {100,  WireSizeIndexOf("No. 8"),   WireSizeIndexOf("No. 6")},
    {200,  WireSizeIndexOf("No. 6"),   WireSizeIndexOf("No. 4")},
    {300,  WireSizeIndexOf("No. 4"),   WireSizeIndexOf("No. 2")},
    {400,  WireSizeIndexOf("No. 3"),   WireSizeIndexOf("No. 1")},
    {500,  WireSizeIndexOf("No. 2"),   WireSizeIndexOf("No. 1/0")},
    {600,  WireSizeIndexOf("No. 1"),   WireSizeIndexOf("No. 2/0")},
    {800,  WireSizeIndexOf("No. 1/0"), WireSizeIndexOf("No. 3/0")},
    {1000, WireSizeIndexOf("No. 2/0"), WireSizeIndexOf("No. 4/0")},
    {1200, WireSizeIndexOf("No. 3/0"), WireSizeIndexOf("250 kcm")},
    {1600, WireSizeIndexOf("No. 4/0"), WireSizeIndexOf("350 kcm")},
    {2000, WireSizeIndexOf("250 kcm"), WireSizeIndexOf("400 kcm")},
    {2500, WireSizeIndexOf("350 kcm"), WireSizeIndexOf("600 kcm")},
    {3000, WireSizeIndexOf("400 kcm"), WireSizeIndexOf("600 kcm")},
    {4000, WireSizeIndexOf("500 kcm"), WireSizeIndexOf("750 kcm")},
}};
// clang-format on

// The factor of `rating`'s column at `ambientC`; empty where the table has none
// ("--": the conductor may not be used there) and above 85 °C.
std::optional<double> AmbientFactor(int ambientC, int rating);

// The factor for this many current-carrying conductors; 1 for three or fewer.
double AdjustmentFactor(int currentCarrying);

// The smallest standard rating at or above `amps`; empty above the largest
// and for an undefined current.
std::optional<int> StandardRatingAtLeast(double amps);

// Table 250.122's conductor of `material` for a device of `deviceAmps`; empty
// above the table.
std::optional<int> GroundingConductorFor(int material, int deviceAmps);

} // namespace engine
