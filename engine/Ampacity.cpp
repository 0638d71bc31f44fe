#include "Ampacity.h"

#include <cmath>

namespace engine {

namespace {
bool Within(int index, int count) { return index >= 0 && index < count; }

// First index whose flag is set, smallest size first.
template <typename Pred> std::optional<int> FirstSize(Pred pred) {
  for (int i = 0; i < WireSizeCount; ++i) {
    if (pred(i))
      return i;
  }
  return std::nullopt;
}
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

AmpacityCheck CheckAmpacity(int material, int wireSize, int conductorsIndex, int rating,
                            double loadAmps, bool continuous) {
  const std::optional<int> ampacity =
      AllowableAmpacity(material, wireSize, conductorsIndex, rating);
  const double required = RequiredAmpacity(loadAmps, continuous);
  // NaN and +infinity fail the comparison by themselves; a negative load, minus
  // infinity included, would pass it, yet is no load to judge a conductor by.
  const bool sound = std::isfinite(loadAmps) && loadAmps >= 0;
  return {ampacity, required, sound && ampacity && required <= *ampacity};
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

WireSizeChoice ChooseWireSize(const CalcState& s, int conductorsIndex, int rating,
                              bool continuous) {
  const int count = std::clamp(conductorsIndex, 0, ConductorCountMax - 1);
  WireSizeChoice c{CompareWireSizes(s, count), {}, {}, {}, {}};
  for (int i = 0; i < WireSizeCount; ++i)
    c.checks[i] = CheckAmpacity(s.Material, i, count, rating, s.Amps, continuous);
  c.smallestWithinDrop = FirstSize([&](int i) { return c.rows[i].meetsAllowedDrop; });
  c.smallestWithAmpacity = FirstSize([&](int i) { return c.checks[i].meets; });
  c.smallestMeetingBoth =
      FirstSize([&](int i) { return c.rows[i].meetsAllowedDrop && c.checks[i].meets; });
  return c;
}

} // namespace engine
