// Ampacity: published cells, the parallel rule, unlisted sizes, the
// continuous load and the small-conductor limits.
#include "engine/Ampacity.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

using Amps = std::optional<int>;
const int Cu = MaterialCopper, Al = MaterialAluminum;
int Size(const char* name) { return WireSizeIndexOf(name); }

TEST(Ampacity, CellsParallelRuleAndUnlistedSizes) {
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
  }
  EXPECT_EQ(AllowableAmpacity(Cu, WireSizeCount, 0, Rating75C), std::nullopt);
}

// A continuous load is carried at 125 %, exactly.
TEST(Ampacity, ContinuousLoadNeedsOneHundredTwentyFivePercent) {
  EXPECT_EQ(RequiredAmpacity(40, true), 50.0);
  EXPECT_EQ(RequiredAmpacity(40.0001, true), 40.0001 * 1.25);
  EXPECT_EQ(RequiredAmpacity(50, false), 50.0);
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

} // namespace
} // namespace engine
