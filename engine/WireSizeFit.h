// The test the wire-size solve puts to one size, shared with the size
// comparison so the two can never disagree about which sizes will do.
#pragma once

#include "CalcState.h"
#include "ConductorTables.h"

namespace engine {

// A percent drop at or above this leaves nothing for the conductor.
inline constexpr double NoAllowedDrop = 100.0;
// The area such a solve requires: one more than the largest size, so no size
// qualifies and the out-of-range warning follows.
inline constexpr double UnreachableArea = CircularMils[LargestWireSize] + 1;

// The area a size with K `k` needs to keep the record's load within its
// DropVolts, K x M x I x L / DropVolts; never below the smallest size's area
// (an undefined 0/0 included).
double RequiredArea(const CalcState& s, double k);

// Whether `wireSize`, conductorsIndex + 1 to a phase, keeps within the allowed
// drop when judged with its own K. Never, at a percent drop of 100 or more.
bool SizeMeetsAllowedDrop(const CalcState& s, int wireSize, int conductorsIndex);

} // namespace engine
