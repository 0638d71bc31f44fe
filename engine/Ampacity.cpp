#include "Ampacity.h"

namespace engine {

namespace {
bool Within(int index, int count) { return index >= 0 && index < count; }
} // namespace

std::optional<int> AllowableAmpacity(int material, int wireSize, int conductorsIndex, int rating) {
  if (!Within(material, MaterialCount) || !Within(wireSize, WireSizeCount) ||
      !Within(conductorsIndex, ConductorCountMax) || !Within(rating, TemperatureRatingCount))
    return std::nullopt;
  if (conductorsIndex > 0 && wireSize < SmallestParallelWireSize)
    return std::nullopt;
  const int one = Ampacities[material][wireSize][rating];
  if (one == NoAmpacity)
    return std::nullopt;
  return one * (conductorsIndex + 1);
}

double RequiredAmpacity(double loadAmps, bool continuous) {
  return continuous ? loadAmps * ContinuousLoadFactor : loadAmps;
}

std::optional<int> SmallConductorOvercurrentLimit(int material, int wireSize) {
  // Copper, then aluminum, for No. 14, No. 12 and No. 10; 0 where the size has none.
  constexpr int first = WireSizeIndexOf("No. 14");
  constexpr std::array<std::array<int, 3>, MaterialCount> limits = {{{15, 20, 30}, {0, 15, 25}}};
  static_assert(first + 2 == WireSizeIndexOf("No. 10"));
  if (!Within(material, MaterialCount) || !Within(wireSize - first, 3))
    return std::nullopt;
  const int limit = limits[material][wireSize - first];
  if (limit == 0)
    return std::nullopt;
  return limit;
}

} // namespace engine
