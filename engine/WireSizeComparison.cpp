#include "WireSizeComparison.h"

#include "WireSizeFit.h"

#include <algorithm>

namespace engine {

std::array<WireSizeRow, WireSizeCount> CompareWireSizes(const CalcState& s, int conductorsIndex) {
  const int count = std::clamp(conductorsIndex, 0, ConductorCountMax - 1);
  std::array<WireSizeRow, WireSizeCount> rows{};
  for (int i = 0; i < WireSizeCount; ++i) {
    const double k = KFactorFor(s.Current, s.Material, i, s.Raceway);
    const double area = EffectiveAreaFor(i, count);
    // Same order as the voltage solve, so a row equals solving for voltage with its size.
    const double vd = k * s.PhaseMultiplier * s.FeetLength * s.Amps / area;
    rows[i] = {
        i, k, area, vd, vd / s.Voltage * 100, s.Voltage - vd, SizeMeetsAllowedDrop(s, i, count)};
  }
  return rows;
}

} // namespace engine
