#include "ConductorTables.h"

#include "CalcState.h"

#include <algorithm>

namespace engine {

namespace {
int Bounded(int index, int count) { return std::clamp(index, 0, count - 1); }
} // namespace

double KFactorFor(int current, int material, int wireSize, int raceway) {
  const int m = Bounded(material, MaterialCount);
  if (current != CurrentAc)
    return KFactors[m][0][0];
  return KFactors[m][Bounded(wireSize, WireSizeCount)][Bounded(raceway, RacewayCount)];
}

double EffectiveAreaFor(int wireSize, int conductorsIndex) {
  const int count = Bounded(conductorsIndex, ConductorCountMax) + 1;
  return CircularMils[Bounded(wireSize, WireSizeCount)] * count;
}

WireSizeMatch SearchWireSize(double requiredArea, int conductorsIndex) {
  for (int i = 0; i < WireSizeCount; ++i) {
    if (EffectiveAreaFor(i, conductorsIndex) >= requiredArea)
      return {i, true};
  }
  return {LargestWireSize, false};
}

} // namespace engine
