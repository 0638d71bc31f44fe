// The side-by-side wire-size rows: the worked drops to the last bit, the DC K,
// zero drops, the conductor count, and agreement with the solver both on which
// size is the first to do and on what each size drops.
#include "engine/WireSizeComparison.h"
#include "ExactDouble.h"
#include "RecordingForm.h"
#include "engine/ConductorTables.h"
#include "engine/Operations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

namespace engine {
namespace {

using test::Exchange;
using test::HundredPerFoot;
using test::RecordingForm;

const double Root3 = std::sqrt(3.0);

// Copper in steel, AC, as the record starts out; derived fields set directly.
CalcState Circuit(double volts, double phaseMultiplier, double amps, double feet) {
  return {.Amps = amps, .Voltage = volts, .PhaseMultiplier = phaseMultiplier, .FeetLength = feet};
}

struct WorkedCase {
  const char* name;
  CalcState in;
  int wireSize;
  double kFactor, totalArea, dropVolts, percentDrop, finalVoltage;
};

const WorkedCase WorkedCases[] = {
    {"No12SinglePhase", Circuit(120, 2.0, 20, 100), 14, 12.9, 6530, 7.9019908116385915,
     6.584992343032161, 112.0980091883614},
    {"Kcm250ThreePhase", Circuit(480, Root3, 200, 300), 26, 13.53, 250000, 5.624315382337659,
     1.1717323713203454, 480 - 5.624315382337659},
};

TEST(WireSizeComparison, WorkedDropsAppearBitForBit) {
  for (const WorkedCase& c : WorkedCases) {
    SCOPED_TRACE(c.name);
    const WireSizeRow row = CompareWireSizes(c.in, 0)[c.wireSize];
    EXPECT_EQ(row.wireSize, c.wireSize);
    EXPECT_BITS(row.kFactor, c.kFactor);
    EXPECT_BITS(row.totalArea, c.totalArea);
    EXPECT_BITS(row.dropVolts, c.dropVolts);
    EXPECT_BITS(row.percentDrop, c.percentDrop);
    EXPECT_BITS(row.finalVoltage, c.finalVoltage);
  }
}

// Direct current has one K per material, whatever the size or raceway.
TEST(WireSizeComparison, DirectCurrentUsesTheDcKOnEveryRow) {
  for (int material : {0, 1}) {
    for (int raceway : {0, 1, 2}) {
      CalcState s = Circuit(480, 2.0, 200, 300);
      s.Current = 1;
      s.Material = material;
      s.Raceway = raceway;
      for (const WireSizeRow& row : CompareWireSizes(s, 0))
        EXPECT_EQ(row.kFactor, material == 0 ? 12.9 : 21.2) << material << raceway << row.wireSize;
    }
  }
}

// With nothing to carry, every size drops nothing and every size will do.
TEST(WireSizeComparison, ZeroLoadOrLengthDropsNothing) {
  for (const CalcState& s : {Circuit(208, Root3, 0, 500), Circuit(208, Root3, 40, 0)}) {
    for (const WireSizeRow& row : CompareWireSizes(s, 2)) {
      SCOPED_TRACE(WireSizeNames[row.wireSize]);
      EXPECT_EQ(row.dropVolts, 0.0);
      EXPECT_EQ(row.percentDrop, 0.0);
      EXPECT_EQ(row.finalVoltage, 208.0);
      EXPECT_TRUE(row.meetsAllowedDrop);
    }
  }
}

// The count comes from the argument, not the record, and is kept within 1..8.
TEST(WireSizeComparison, ConductorCountFromArgumentWithinOneToEight) {
  // DC copper, 100 A over 3000 ft, 25.8 V allowed: 300000 circular mils needed.
  CalcState s = Circuit(480, 2.0, 100, 3000);
  s.Current = 1;
  s.DropVolts = 25.8;
  s.ConductorsIndex = 4;
  const struct {
    int index;
    double largestArea;
    int firstMeeting;
  } cases[] = {
      {0, 750000, 27}, {3, 3000000, 21}, {7, 6000000, 18}, {-1, 750000, 27}, {8, 6000000, 18}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.index);
    const auto rows = CompareWireSizes(s, c.index);
    EXPECT_EQ(rows[LargestWireSize].totalArea, c.largestArea);
    for (int i = 0; i < WireSizeCount; ++i) {
      EXPECT_EQ(rows[i].wireSize, i);
      EXPECT_EQ(rows[i].meetsAllowedDrop, i >= c.firstMeeting) << WireSizeNames[i];
    }
  }
}

// Compares the rows with the solver: the first size that does is the one the
// wire-size solve picks (the warning when none does), and a size picked from
// the list and solved for voltage gives its row's K, area and drops.
void ExpectAgreesWithSolver(const CalcState& in, int otherIndex, int otherSize, int& found,
                            int& notFound) {
  CalcState s = in;
  RecordingForm form(s);
  Calculate(s, form);
  // The fake form's reads must have left the circuit as it was set up.
  auto inputs = [](const CalcState& r) {
    const double allowed = r.DropMode == ModePercentDrop ? r.PercentDrop : r.DropVolts;
    return std::make_tuple(r.Amps, r.Voltage, allowed, r.Distance, r.Material, r.Raceway, r.Current,
                           r.ConductorsIndex, r.PhaseMultiplier);
  };
  ASSERT_EQ(inputs(s), inputs(in));

  const auto rows = CompareWireSizes(s, s.ConductorsIndex);
  int first = -1;
  for (const WireSizeRow& row : rows) {
    if (row.meetsAllowedDrop) {
      first = row.wireSize;
      break;
    }
  }
  if (first >= 0) {
    ++found;
    EXPECT_EQ(s.WireSize, first);
    EXPECT_EQ(form.Count(Exchange::Warning), 0);
  } else {
    ++notFound;
    EXPECT_EQ(s.WireSize, LargestWireSize);
    EXPECT_EQ(form.Count(Exchange::Warning), 1);
  }

  const WireSizeRow row = CompareWireSizes(s, otherIndex)[otherSize];
  CalcState v = in;
  v.SolveFor = SolveVoltage;
  v.DropMode = ModeVoltageDrop;
  v.WireSize = otherSize;
  v.ConductorsIndex = otherIndex;
  RecordingForm voltageForm(v);
  ChangeConductor(v, voltageForm);
  EXPECT_BITS(row.kFactor, v.KFactor);
  EXPECT_BITS(row.totalArea, v.EffectiveArea);
  EXPECT_BITS(row.dropVolts, v.DropVolts);
  EXPECT_BITS(row.percentDrop, v.PercentDrop);
  EXPECT_BITS(row.finalVoltage, v.FinalVoltage);
}

TEST(WireSizeComparison, EdgeCircuitsAgreeWithSolver) {
  CalcState noDrop = Circuit(120, 2.0, 16, 100);
  noDrop.PercentDrop = 0;
  CalcState noDropNoLoad = noDrop;
  noDropNoLoad.Amps = 0;
  CalcState wholeVoltage = Circuit(120, 2.0, 16, 100);
  wholeVoltage.DropMode = ModeVoltageDrop;
  wholeVoltage.DropVolts = 120;
  const CalcState circuits[] = {
      HundredPerFoot(41.1, 0),        // exactly "No. 14"
      HundredPerFoot(41.10000001, 0), // just above it
      HundredPerFoot(2654.4, 3),      // exactly four "No. 2"
      HundredPerFoot(60000, 7),       // exactly eight of the largest
      HundredPerFoot(60001, 7),       // beyond them
      noDrop,
      noDropNoLoad,
      wholeVoltage,
  };
  int found = 0, notFound = 0;
  for (const CalcState& c : circuits) {
    SCOPED_TRACE(c.Distance);
    ExpectAgreesWithSolver(c, c.ConductorsIndex, 13, found, notFound);
  }
  EXPECT_EQ(found, 5);
  EXPECT_EQ(notFound, 3);
}

TEST(WireSizeComparison, RandomCircuitsAgreeWithSolver) {
  std::mt19937 gen(20240611);
  // Spread over decades so both outcomes are common.
  auto decades = [&](double lo, double hi) {
    return std::pow(10.0, std::uniform_real_distribution<double>(lo, hi)(gen));
  };
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(gen); };
  int found = 0, notFound = 0;
  for (int n = 0; n < 3000; ++n) {
    CalcState s;
    s.SolveFor = SolveWireSize;
    s.Voltage = decades(0.5, 2.5);
    s.Amps = decades(0, 4);
    s.Distance = decades(1, 4.5);
    s.PercentDrop = std::uniform_real_distribution<double>(0, 99.9999)(gen);
    s.Material = pick(MaterialCount);
    s.Raceway = pick(RacewayCount);
    s.Current = pick(2);
    s.Phase = pick(2);
    s.PhaseMultiplier = s.Phase == 0 ? 2.0 : Root3;
    s.ConductorsIndex = pick(ConductorCountMax);
    SCOPED_TRACE(n);
    ExpectAgreesWithSolver(s, pick(ConductorCountMax), pick(WireSizeCount), found, notFound);
    if (HasFatalFailure() || HasFailure())
      break;
  }
  EXPECT_GT(found, 500);
  EXPECT_GT(notFound, 500);
}

} // namespace
} // namespace engine
