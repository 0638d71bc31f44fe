// Ampacity: published cells, the parallel and continuous-load rules, unlisted
// sizes and unsound loads, the small-conductor limits, and the three smallest sizes.
#include "engine/Ampacity.h"

#include <gtest/gtest.h>

#include <cmath>

namespace engine {
namespace {

using Amps = std::optional<int>;
const int Cu = MaterialCopper, Al = MaterialAluminum;
int Size(const char* name) { return WireSizeIndexOf(name); }

TEST(Ampacity, CellsParallelRuleUnlistedSizesAndUnsoundLoads) {
  const struct {
    int material;
    const char* size;
    int conductorsIndex, rating;
    Amps amps;
  } cases[] = {
      // clang-format off
      {Cu, "No. 12", 0, Rating75C, 25},    {Al, "750 kcm", 0, Rating90C, 435},
      {Cu, "No. 4/0", 0, Rating60C, 195},  {Cu, "No. 1", 0, Rating75C, 130},
      {Cu, "No. 1", 1, Rating75C, {}},     {Cu, "No. 1/0", 1, Rating75C, 300},
      {Al, "750 kcm", 7, Rating60C, 2560}, {Al, "No. 14", 0, Rating60C, {}},
      {Cu, "No. 16", 0, Rating90C, {}},    {2, "No. 12", 0, Rating75C, {}},
      {Cu, "No. 12", 0, 3, {}},            {Cu, "No. 40", 0, -1, {}},
      {Cu, "No. 1/0", 8, Rating75C, {}},   {Cu, "No. 1/0", -1, Rating75C, {}},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << " material " << c.material << " index "
                                    << c.conductorsIndex << " rating " << c.rating);
    EXPECT_EQ(AllowableAmpacity(c.material, Size(c.size), c.conductorsIndex, c.rating), c.amps);
    const auto meets = [&](double load) {
      return CheckAmpacity(c.material, Size(c.size), c.conductorsIndex, c.rating, load, true).meets;
    };
    EXPECT_EQ(meets(0), c.amps.has_value());
    for (double bad : {std::nan(""), HUGE_VAL, -HUGE_VAL, -1.0})
      EXPECT_FALSE(meets(bad)) << bad;
  }
  EXPECT_EQ(AllowableAmpacity(Cu, WireSizeCount, 0, Rating75C), std::nullopt);
}

// Copper No. 8 carries 50 A at 75 °C, exactly what a 40 A continuous load needs.
TEST(Ampacity, ContinuousLoadNeedsOneHundredTwentyFivePercent) {
  const auto no8 = [](double load, bool continuous) {
    return CheckAmpacity(Cu, Size("No. 8"), 0, Rating75C, load, continuous);
  };
  EXPECT_EQ(no8(40, true), (AmpacityCheck{50, 50, true}));
  EXPECT_EQ(no8(40.0001, true), (AmpacityCheck{50, 40.0001 * 1.25, false}));
  EXPECT_EQ(no8(50, false), (AmpacityCheck{50, 50, true}));
  EXPECT_EQ(no8(50.0001, false), (AmpacityCheck{50, 50.0001, false}));
}

TEST(Ampacity, SmallConductorLimitsOnlyForTheFiveSizes) {
  const struct {
    int material;
    const char* size;
    Amps limit;
  } cases[] = {{Cu, "No. 14", 15}, {Cu, "No. 12", 20}, {Cu, "No. 10", 30}, {Al, "No. 12", 15},
               {Al, "No. 10", 25}, {Al, "No. 14", {}}, {Cu, "No. 16", {}}, {Cu, "No. 8", {}},
               {Al, "No. 8", {}},  {2, "No. 12", {}},  {Cu, "750 kcm", {}}};
  for (const auto& c : cases)
    EXPECT_EQ(SmallConductorOvercurrentLimit(c.material, Size(c.size)), c.limit)
        << c.material << " " << c.size;
}

// The record's own 120 V single phase, copper in steel, AC, 3 % (3.6 V) allowed; 75 °C.
TEST(Ampacity, SmallestSizesByDropByAmpacityAndBoth) {
  const struct {
    double amps, feet;
    int conductorsIndex;
    Amps withinDrop, withAmpacity, both;
  } cases[] = {
      {60, 10, 0, Size("No. 12"), Size("No. 6"), Size("No. 6")},
      {10, 10, 1, Size("No. 24"), Size("No. 1/0"), Size("No. 1/0")}, // parallel from 1/0 up
      {600, 10, 0, Size("No. 3"), {}, {}},                           // beyond 750 kcm
      {200, 1000, 0, {}, Size("No. 3/0"), {}},                       // no size drops little enough
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.amps << " A, " << c.feet << " ft");
    const CalcState s = {.DropVolts = 3.6, .Amps = c.amps, .FeetLength = c.feet};
    const WireSizeChoice choice = ChooseWireSize(s, c.conductorsIndex, Rating75C, false);
    EXPECT_EQ(choice.rows, CompareWireSizes(s, c.conductorsIndex));
    EXPECT_EQ(choice.smallestWithinDrop, c.withinDrop);
    EXPECT_EQ(choice.smallestWithAmpacity, c.withAmpacity);
    EXPECT_EQ(choice.smallestMeetingBoth, c.both);
  }
}

} // namespace
} // namespace engine
