#include "engine/ConductorTables.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

TEST(WireSizeSearch, AreaEqualToEntrySelectsThatEntry) {
  EXPECT_EQ(SearchWireSize(4110.0).index, 13);
  EXPECT_EQ(SearchWireSize(4110.000001).index, 14);
}

} // namespace
} // namespace engine
