// Fixed conductor data: wire-size names, areas, K factors by material, size and
// raceway, and the conductors-per-phase labels, with the lookups built on them.
#pragma once

#include <array>
#include <string_view>

namespace engine {

inline constexpr int WireSizeCount = 34;
inline constexpr int MaterialCount = 2;
inline constexpr int RacewayCount = 3;
inline constexpr int ConductorCountMax = 8;
inline constexpr int LargestWireSize = WireSizeCount - 1;

// List position in the wire-size list is the wire-size index.
inline constexpr std::array<std::string_view, WireSizeCount> WireSizeNames = {
    "No. 40",  "No. 38",  "No. 36",  "No. 34",  "No. 32",  "No. 30",  "No. 28",
    "No. 26",  "No. 24",  "No. 22",  "No. 20",  "No. 18",  "No. 16",  "No. 14",
    "No. 12",  "No. 10",  "No. 8",   "No. 6",   "No. 4",   "No. 3",   "No. 2",
    "No. 1",   "No. 1/0", "No. 2/0", "No. 3/0", "No. 4/0", "250 kcm", "300 kcm",
    "350 kcm", "400 kcm", "500 kcm", "600 kcm", "700 kcm", "750 kcm",
};

// Cross-section of one conductor in circular mils, strictly increasing.
inline constexpr std::array<double, WireSizeCount> CircularMils = {
    10,     16,     25,     40,     63,     101,    160,    254,    404,    642,    1022,   1624,
    2583,   4110,   6530,   10380,  16510,  26240,  41740,  52620,  66360,  83690,  105600, 133100,
    167800, 211600, 250000, 300000, 350000, 400000, 500000, 600000, 700000, 750000,
};

using RacewayKFactors = std::array<double, RacewayCount>;

// Ohm-circular-mils per foot, [material][wire size][raceway]: Steel, Aluminum,
// Non-metal. Direct current uses only [material][0][0].
// clang-format off
inline constexpr std::array<std::array<RacewayKFactors, WireSizeCount>, MaterialCount> KFactors = {{
    // Copper
    {{
        {12.9, 12.9, 12.9}, // No. 40
        {12.9, 12.9, 12.9}, // No. 38
        {12.9, 12.9, 12.9}, // No. 36
        {12.9, 12.9, 12.9}, // No. 34
        {12.9, 12.9, 12.9}, // No. 32
        {12.9, 12.9, 12.9}, // No. 30
        {12.9, 12.9, 12.9}, // No. 28
        {12.9, 12.9, 12.9}, // No. 26
        {12.9, 12.9, 12.9}, // No. 24
        {12.9, 12.9, 12.9}, // No. 22
        {12.9, 12.9, 12.9}, // No. 20
        {12.9, 12.9, 12.9}, // No. 18
        {12.9, 12.9, 12.9}, // No. 16
        {12.9, 12.9, 12.9}, // No. 14
        {12.9, 12.9, 12.9}, // No. 12
        {12.9, 12.9, 12.9}, // No. 10
        {12.9, 12.9, 12.9}, // No. 8
        {12.9, 12.9, 12.9}, // No. 6
        {12.9, 12.9, 12.9}, // No. 4
        {12.9, 12.9, 12.9}, // No. 3
        {12.9, 12.9, 12.9}, // No. 2
        {12.9, 12.9, 12.9}, // No. 1
        {12.9, 12.9, 12.9}, // No. 1/0
        {13.34, 13.34, 13.34}, // No. 2/0
        {13.3, 13.81, 12.97}, // No. 3/0
        {13.37, 14.22, 13.15}, // No. 4/0
        {13.53, 14.28, 13.03}, // 250 kcm
        {13.53, 14.73, 13.23}, // 300 kcm
        {13.71, 15.11, 13.36}, // 350 kcm
        {14.07, 15.27, 13.26}, // 400 kcm
        {14.5, 16.0, 13.5}, // 500 kcm
        {15.07, 16.88, 13.86}, // 600 kcm
        {16.13, 18.23, 14.72}, // 700 kcm
        {15.84, 18.11, 14.33}, // 750 kcm
    }},
    // Aluminum
    {{
        {21.2, 21.2, 21.2}, // No. 40
        {21.2, 21.2, 21.2}, // No. 38
        {21.2, 21.2, 21.2}, // No. 36
        {21.2, 21.2, 21.2}, // No. 34
        {21.2, 21.2, 21.2}, // No. 32
        {21.2, 21.2, 21.2}, // No. 30
        {21.2, 21.2, 21.2}, // No. 28
        {21.2, 21.2, 21.2}, // No. 26
        {21.2, 21.2, 21.2}, // No. 24
        {21.2, 21.2, 21.2}, // No. 22
        {21.2, 21.2, 21.2}, // No. 20
        {21.2, 21.2, 21.2}, // No. 18
        {21.2, 21.2, 21.2}, // No. 16
        {21.2, 21.2, 21.2}, // No. 14
        {21.2, 21.2, 21.2}, // No. 12
        {21.2, 21.2, 21.2}, // No. 10
        {21.2, 21.2, 21.2}, // No. 8
        {21.2, 21.2, 21.2}, // No. 6
        {21.2, 21.2, 21.2}, // No. 4
        {21.2, 21.2, 21.2}, // No. 3
        {21.2, 21.2, 21.2}, // No. 2
        {21.2, 21.2, 21.2}, // No. 1
        {21.2, 21.2, 21.2}, // No. 1/0
        {21.33, 21.33, 21.33}, // No. 2/0
        {21.87, 21.87, 21.87}, // No. 3/0
        {21.2, 23.32, 21.2}, // No. 4/0
        {21.53, 22.53, 21.28}, // 250 kcm
        {21.59, 22.79, 21.29}, // 300 kcm
        {22.08, 23.13, 21.38}, // 350 kcm
        {22.04, 23.64, 21.64}, // 400 kcm
        {22.5, 24.0, 21.5}, // 500 kcm
        {22.82, 24.62, 21.62}, // 600 kcm
        {24.14, 26.24, 22.74}, // 700 kcm
        {23.3, 25.56, 21.8}, // 750 kcm
    }},
}};
// clang-format on

// Labels of the conductors-per-phase list; the count is the index plus one.
inline constexpr std::array<std::string_view, ConductorCountMax> ConductorCountNames = {
    "1", "2", "3", "4", "5", "6", "7", "8",
};

// K of a selection. Any `current` but CurrentAc is DC, where only the
// material matters. Indexes outside the tables are brought to the nearest entry.
double KFactorFor(int current, int material, int wireSize, int raceway);

// Area of all parallel conductors of one phase: CircularMils[size] x count.
double EffectiveAreaFor(int wireSize, int conductorsIndex);

struct WireSizeMatch {
  int index;  // 0..33; 33 when nothing is large enough
  bool found; // false: the required area exceeds the largest size
};

// First size whose area times the conductor count covers `requiredArea`.
// NaN covers nothing; callers raise undefined areas to the minimum first.
WireSizeMatch SearchWireSize(double requiredArea, int conductorsIndex = 0);

} // namespace engine
