// The conductor lookups: K by current, material, size and raceway; the area of
// a phase's parallel conductors; and the first size that covers an area.
#include "ExactDouble.h"
#include "engine/ConductorTables.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

TEST(ConductorTables, AreasStrictlyIncreaseFrom10To750000) {
  EXPECT_EQ(CircularMils.front(), 10.0);
  EXPECT_EQ(CircularMils.back(), 750000.0);
  for (int i = 1; i < WireSizeCount; ++i)
    EXPECT_LT(CircularMils[i - 1], CircularMils[i]) << WireSizeNames[i];
  EXPECT_EQ(WireSizeNames[13], "No. 14");
  EXPECT_EQ(WireSizeNames[LargestWireSize], "750 kcm");
}

struct KCase {
  int current, material, size, raceway;
  double k;
};

TEST(KFactorFor, ReadsTheSelectionOrTheDcValue) {
  const KCase cases[] = {
      {0, 0, 30, 2, 13.5},  {0, 0, 30, 1, 16.0},  {0, 0, 0, 0, 12.9},  {0, 0, 22, 1, 12.9},
      {0, 0, 23, 0, 13.34}, {0, 1, 24, 0, 21.87}, {0, 1, 25, 0, 21.2}, {0, 1, 25, 1, 23.32},
      {0, 0, 32, 0, 16.13}, {0, 0, 33, 0, 15.84}, {0, 1, 33, 2, 21.8}, {0, 1, 0, 2, 21.2},
  };
  for (const KCase& c : cases) {
    SCOPED_TRACE(testing::Message() << WireSizeNames[c.size] << " material " << c.material
                                    << " raceway " << c.raceway);
    EXPECT_BITS(KFactorFor(c.current, c.material, c.size, c.raceway), c.k);
  }
}

// Under DC only the material matters, even where AC varies by raceway.
TEST(KFactorFor, DirectCurrentIgnoresSizeAndRaceway) {
  for (int size = 0; size < WireSizeCount; ++size) {
    for (int raceway = 0; raceway < RacewayCount; ++raceway) {
      SCOPED_TRACE(testing::Message() << WireSizeNames[size] << " raceway " << raceway);
      EXPECT_BITS(KFactorFor(1, 0, size, raceway), 12.9);
      EXPECT_BITS(KFactorFor(1, 1, size, raceway), 21.2);
    }
  }
}

TEST(EffectiveAreaFor, MultipliesByConductorCount) {
  EXPECT_BITS(EffectiveAreaFor(13, 0), 4110.0);
  EXPECT_BITS(EffectiveAreaFor(13, 1), 8220.0);
  EXPECT_BITS(EffectiveAreaFor(LargestWireSize, 7), 6000000.0);
}

struct SearchCase {
  double area;
  int conductorsIndex;
  int index;
  bool found;
};

TEST(SearchWireSize, FirstSizeWhoseConductorsCoverTheArea) {
  const SearchCase cases[] = {
      {-1.0, 0, 0, true},        {10.0, 0, 0, true},         {10.5, 0, 1, true},
      {4110.0, 0, 13, true},     {4110.000001, 0, 14, true}, {11466.67, 0, 16, true},
      {750000.0, 0, 33, true},   {750000.5, 0, 33, false},   {300000.0, 0, 27, true},
      {300000.0, 3, 21, true},   {8220.0, 1, 13, true},      {6000000.0, 7, 33, true},
      {6000000.5, 7, 33, false},
  };
  for (const SearchCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.area << " with index " << c.conductorsIndex);
    const WireSizeMatch m = SearchWireSize(c.area, c.conductorsIndex);
    EXPECT_EQ(m.index, c.index);
    EXPECT_EQ(m.found, c.found);
  }
}

} // namespace
} // namespace engine
