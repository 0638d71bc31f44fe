#include "Impedance.h"

#include <algorithm>
#include <cmath>

namespace engine {

namespace {

// The row of each wire size, -1 for a size the table lacks.
constexpr std::array<int, WireSizeCount> Table9Rows = [] {
  std::array<int, WireSizeCount> rows{};
  for (int size = 0; size < WireSizeCount; ++size) {
    rows[size] = -1;
    for (int row = 0; row < static_cast<int>(Table9.size()); ++row) {
      if (Table9[row].size == WireSizeNames[size])
        rows[size] = row;
    }
  }
  return rows;
}();
static_assert(std::ranges::count(Table9Rows, -1) == WireSizeCount - Table9.size(),
              "every Table 9 row names a wire size");

} // namespace

std::optional<Impedance> Table9Impedance(int material, int wireSize, int raceway) {
  if (wireSize < 0 || wireSize >= WireSizeCount || Table9Rows[wireSize] < 0)
    return std::nullopt;
  const Table9Row& row = Table9[Table9Rows[wireSize]];
  const bool copper = material == MaterialCopper;
  if (!copper && material != MaterialAluminum)
    return std::nullopt;
  double r = NotInTable9;
  double xl = NotInTable9;
  switch (raceway) {
  case RacewaySteel:
    r = copper ? row.rCopperSteel : row.rAluminumSteel;
    xl = row.xlSteel;
    break;
  case RacewayAluminum:
    r = copper ? row.rCopperAluminum : row.rAluminumAluminum;
    xl = row.xlPvcOrAluminum;
    break;
  case RacewayNonMetal:
    r = copper ? row.rCopperPvc : row.rAluminumPvc;
    xl = row.xlPvcOrAluminum;
    break;
  default:
    return std::nullopt;
  }
  if (r == NotInTable9)
    return std::nullopt;
  return Impedance{r, xl};
}

double EffectiveImpedance(const Impedance& z, double powerFactor) {
  return z.r * powerFactor + z.xl * std::sin(std::acos(powerFactor));
}

std::optional<double> ImpedanceDropVolts(const CalcState& s, int wireSize, int conductorsIndex,
                                         double powerFactor) {
  if (s.Current != CurrentAc)
    return std::nullopt;
  const std::optional<Impedance> z = Table9Impedance(s.Material, wireSize, s.Raceway);
  if (!z)
    return std::nullopt;
  const double n = std::clamp(conductorsIndex, 0, ConductorCountMax - 1) + 1;
  return s.PhaseMultiplier * s.Amps * (EffectiveImpedance(*z, powerFactor) / n) * s.FeetLength /
         1000;
}

} // namespace engine
