// Allowable ampacity: what each size can carry, what the load asks of it, and
// the overcurrent limits of small conductors.
#pragma once

#include "CalcState.h"
#include "ConductorTables.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace engine {

// Insulation temperature rating, the column of the ampacity table.
enum TemperatureRating : int { Rating60C = 0, Rating75C = 1, Rating90C = 2 };
inline constexpr int TemperatureRatingCount = 3;
// Terminations are usually rated 75 °C, which limits the conductor to that column.
inline constexpr int DefaultTemperatureRating = Rating75C;
inline constexpr std::array<std::string_view, TemperatureRatingCount> TemperatureRatingNames = {
    "60 \u00B0C", "75 \u00B0C", "90 \u00B0C"};

// Position of a size in WireSizeNames; WireSizeCount when there is no such size.
constexpr int WireSizeIndexOf(std::string_view name) {
  return static_cast<int>(std::ranges::find(WireSizeNames, name) - WireSizeNames.begin());
}

// Parallel conductors are allowed only from this size up (NEC 310.10(G)).
inline constexpr int SmallestParallelWireSize = WireSizeIndexOf("No. 1/0");
static_assert(SmallestParallelWireSize < WireSizeCount);

// A continuous load must be carried at 125 % (NEC 210.19(A)); exact in binary.
inline constexpr double ContinuousLoadFactor = 1.25;

using RatingAmpacities = std::array<int, TemperatureRatingCount>;

// A table cell for a size the table does not list: no ampacity, not zero amperes.
inline constexpr int NoAmpacity = 0;
inline constexpr RatingAmpacities NotListed = {NoAmpacity, NoAmpacity, NoAmpacity};

// Amperes one conductor may carry, [material][wire size][rating]: NEC 2023 Table
// 310.16, not more than three current-carrying conductors in a raceway, cable or
// earth, 30 °C ambient.
// clang-format off
inline constexpr std::array<std::array<RatingAmpacities, WireSizeCount>, MaterialCount> Ampacities = {{
    // Copper
    {{
        NotListed,       // No. 40
        NotListed,       // No. 38
        NotListed,       // No. 36
        NotListed,       // No. 34
        NotListed,       // No. 32
        NotListed,       // No. 30
        NotListed,       // No. 28
        NotListed,       // No. 26
        NotListed,       // No. 24
        NotListed,       // No. 22
        NotListed,       // No. 20
        NotListed,       // No. 18
        NotListed,       // No. 16
        {15, 20, 25},    // No. 14
        {20, 25, 30},    // No. 12
        {30, 35, 40},    // No. 10
        {40, 50, 55},    // No. 8
        {55, 65, 75},    // No. 6
        {70, 85, 95},    // No. 4
        {85, 100, 115},  // No. 3
        {95, 115, 130},  // No. 2
        {110, 130, 145}, // No. 1
        {125, 150, 170}, // No. 1/0
        {145, 175, 195}, // No. 2/0
        {165, 200, 225}, // No. 3/0
        {195, 230, 260}, // No. 4/0
        {215, 255, 290}, // 250 kcm
        {240, 285, 320}, // 300 kcm
        {260, 310, 350}, // 350 kcm
        {280, 335, 380}, // 400 kcm
        {320, 380, 430}, // 500 kcm
        {350, 420, 475}, // 600 kcm
        {385, 460, 520}, // 700 kcm
        {400, 475, 535}, // 750 kcm
    }},
    // Aluminum
    {{
        NotListed,       // No. 40
        NotListed,       // No. 38
        NotListed,       // No. 36
        NotListed,       // No. 34
        NotListed,       // No. 32
        NotListed,       // No. 30
        NotListed,       // No. 28
        NotListed,       // No. 26
        NotListed,       // No. 24
        NotListed,       // No. 22
        NotListed,       // No. 20
        NotListed,       // No. 18
        NotListed,       // No. 16
        NotListed,       // No. 14
        {15, 20, 25},    // No. 12
        {25, 30, 35},    // No. 10
        {35, 40, 45},    // No. 8
        {40, 50, 55},    // No. 6
        {55, 65, 75},    // No. 4
        {65, 75, 85},    // No. 3
        {75, 90, 100},   // No. 2
        {85, 100, 115},  // No. 1
        {100, 120, 135}, // No. 1/0
        {115, 135, 150}, // No. 2/0
        {130, 155, 175}, // No. 3/0
        {150, 180, 205}, // No. 4/0
        {170, 205, 230}, // 250 kcm
        {195, 230, 260}, // 300 kcm
        {210, 250, 280}, // 350 kcm
        {225, 270, 305}, // 400 kcm
        {260, 310, 350}, // 500 kcm
        {285, 340, 385}, // 600 kcm
        {315, 375, 425}, // 700 kcm
        {320, 385, 435}, // 750 kcm
    }},
}};
// clang-format on

// Amperes all conductorsIndex + 1 conductors of a phase may carry together.
// Empty for a size the table does not list, for more than one conductor below
// SmallestParallelWireSize, and for any index outside its range.
std::optional<int> AllowableAmpacity(int material, int wireSize, int conductorsIndex, int rating);

// The current the conductors must carry: the load, or 125 % of it when continuous.
double RequiredAmpacity(double loadAmps, bool continuous);

// The largest overcurrent device a small conductor may have (NEC 240.4(D)):
// copper No. 14, 12, 10 and aluminum No. 12, 10. Empty for every other size.
std::optional<int> SmallConductorOvercurrentLimit(int material, int wireSize);

} // namespace engine
