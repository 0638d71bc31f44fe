#include "SizingTables.h"

#include <algorithm>

namespace engine {

std::optional<double> AmbientFactor(int ambientC, int rating) {
  if (rating < 0 || rating >= TemperatureRatingCount)
    return std::nullopt;
  for (const AmbientRow& row : AmbientFactors) {
    if (ambientC <= row.upToC) {
      const double factor = row.factor[static_cast<std::size_t>(rating)];
      return factor == NoFactor ? std::nullopt : std::optional<double>(factor);
    }
  }
  return std::nullopt;
}

double AdjustmentFactor(int currentCarrying) {
  for (const AdjustmentRow& row : AdjustmentFactors) {
    if (currentCarrying <= row.upTo)
      return row.factor;
  }
  return AdjustmentFactors.back().factor;
}

std::optional<int> StandardRatingAtLeast(double amps) {
  // NaN compares false with every rating and so finds none.
  const auto* found =
      std::ranges::find_if(StandardRatings, [&](int rating) { return rating >= amps; });
  if (found == StandardRatings.end())
    return std::nullopt;
  return *found;
}

std::optional<int> GroundingConductorFor(int material, int deviceAmps) {
  if (material != MaterialCopper && material != MaterialAluminum)
    return std::nullopt;
  for (const GroundRow& row : GroundingConductors) {
    if (deviceAmps <= row.deviceUpTo)
      return material == MaterialCopper ? row.copper : row.aluminum;
  }
  return std::nullopt;
}

} // namespace engine
