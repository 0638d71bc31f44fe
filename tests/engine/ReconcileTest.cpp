// The operations that keep the record in agreement: distance units, the three
// voltage results, the two load fields, the clamps, and the phase, current and
// conductor selections, including the field handlers that chain them.
#include "ExactDouble.h"
#include "RecordingForm.h"
#include "engine/Operations.h"

#include <gtest/gtest.h>

#include <cmath>

namespace engine {
namespace {

using test::Exchange;
using test::RecordingForm;
using test::Shown;

const double Root3 = std::sqrt(3.0);

// ---- Distance --------------------------------------------------------------

struct DistanceCase {
  double distance;
  int units;
  double distanceAfter;
  double feet;
};

TEST(NormalizeDistance, ClampsNegativeThenConverts) {
  const DistanceCase cases[] = {
      {-5.0, UnitsFeet, 0.0, 0.0},          {-5.0, UnitsMeters, 0.0, 0.0},
      {0.0, UnitsFeet, 0.0, 0.0},           {100.0, UnitsFeet, 100.0, 100.0},
      {100.0, UnitsMeters, 100.0, 328.084}, {1e6, UnitsMeters, 1e6, 3280840.0},
  };
  for (const DistanceCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.distance << " in units " << c.units);
    CalcState s{.Distance = c.distance, .DistanceUnits = c.units};
    NormalizeDistance(s);
    EXPECT_BITS(s.Distance, c.distanceAfter);
    EXPECT_BITS(s.FeetLength, c.feet);
  }
}

// The form's read reports -5 as out of range but stores it; the solve shows 0.
TEST(NormalizeDistance, NegativeDistanceOnFormShowsAsZeroAfterCalculate) {
  CalcState s{.SolveFor = SolveVoltage};
  RecordingForm form(s);
  form.form.Distance = -5.0;
  Calculate(s, form);
  EXPECT_EQ(form.log.front().failedStep, static_cast<int>(test::FormField::Distance));
  EXPECT_BITS(s.Distance, 0.0);
  EXPECT_BITS(s.FeetLength, 0.0);
  EXPECT_BITS(form.form.Distance, 0.0);
}

TEST(DistanceUnits, SwitchingShowsLastLengthWithoutSolvingOrDrift) {
  CalcState s{.SolveFor = SolveVoltage, .DistanceUnits = UnitsMeters};
  RecordingForm form(s);
  Calculate(s, form);
  const CalcState solved = s;
  EXPECT_BITS(s.FeetLength, 328.084);

  form.log.clear();
  form.form.DistanceUnits = UnitsFeet;
  ShowDistanceInFeet(s, form);
  EXPECT_EQ(form.Sequence(), "RW");
  EXPECT_BITS(form.form.Distance, 328.084);

  form.form.DistanceUnits = UnitsMeters;
  ShowDistanceInMeters(s, form);
  EXPECT_BITS(form.form.Distance, 100.0);
  EXPECT_BITS(s.FeetLength, 328.084);
  // Results stay as the solve left them.
  EXPECT_BITS(s.PercentDrop, solved.PercentDrop);
  EXPECT_BITS(s.FinalVoltage, solved.FinalVoltage);
}

// ---- Voltage results and load ----------------------------------------------

struct DropCase {
  const char* name;
  int mode;
  double voltage, percent, dropVolts, finalVoltage; // in
  double wantPercent, wantDrop, wantFinal;
};

TEST(ReconcileDrop, DerivesTheTwoResultsTheModeDoesNotName) {
  const DropCase cases[] = {
      {"Percent", ModePercentDrop, 120, 3, 0, 0, 3, 3.6, 116.4},
      {"VoltageDrop", ModeVoltageDrop, 240, 0, 6, 0, 2.5, 6, 234},
      {"FinalVoltage", ModeFinalVoltage, 120, 0, 0, 114, 5, 6, 114},
      {"UnknownModeChangesNothing", 3, 120, 7, 8, 9, 7, 8, 9},
  };
  for (const DropCase& c : cases) {
    SCOPED_TRACE(c.name);
    CalcState s{.DropMode = c.mode,
                .PercentDrop = c.percent,
                .FinalVoltage = c.finalVoltage,
                .DropVolts = c.dropVolts,
                .Voltage = c.voltage};
    RecordingForm form(s);
    ReconcileDrop(s, form);
    EXPECT_EQ(form.Sequence(), "RW");
    EXPECT_BITS(s.PercentDrop, c.wantPercent);
    EXPECT_BITS(s.DropVolts, c.wantDrop);
    EXPECT_BITS(s.FinalVoltage, c.wantFinal);
    EXPECT_BITS(form.form.DropVolts, c.wantDrop);
  }
}

struct LoadCase {
  const char* name;
  int units;
  double voltage, loadFactor, amps, voltAmps; // in
  const char* shownAmps;
  const char* shownVoltAmps;
};

TEST(ReconcileLoad, DerivesTheLoadFieldTheUnitsDoNotName) {
  const LoadCase cases[] = {
      {"ThreePhaseAmps", UnitsAmps, 480, Root3, 100, 0, "100", "83138.4387633061"},
      {"ThreePhaseVoltAmps", UnitsVoltAmps, 480, Root3, 0, 83138.43876330611, "100",
       "83138.4387633061"},
      {"SinglePhaseAmps", UnitsAmps, 120, 1.0, 16, 0, "16", "1920"},
      {"UnknownUnitsChangeNothing", 2, 120, 1.0, 5, 7, "5", "7"},
  };
  for (const LoadCase& c : cases) {
    SCOPED_TRACE(c.name);
    CalcState s{.LoadUnits = c.units,
                .VoltAmps = c.voltAmps,
                .Amps = c.amps,
                .Voltage = c.voltage,
                .LoadFactor = c.loadFactor};
    RecordingForm form(s);
    ReconcileLoad(s, form);
    EXPECT_EQ(form.Sequence(), "RW");
    EXPECT_EQ(Shown(s.Amps), c.shownAmps);
    EXPECT_EQ(Shown(s.VoltAmps), c.shownVoltAmps);
  }
}

struct ClampCase {
  double value;
  double want;
};

// Capped at the supply voltage, equal stays, and no lower bound.
TEST(Clamps, CapAtVoltageOnly) {
  const ClampCase cases[] = {{150, 120}, {120, 120}, {119.99, 119.99}, {0, 0}, {-3, -3}};
  for (const ClampCase& c : cases) {
    SCOPED_TRACE(c.value);
    CalcState s{.FinalVoltage = c.value, .DropVolts = c.value, .Voltage = 120};
    ClampDropVolts(s);
    EXPECT_BITS(s.DropVolts, c.want);
    EXPECT_BITS(s.FinalVoltage, c.value);
    ClampFinalVoltage(s);
    EXPECT_BITS(s.FinalVoltage, c.want);
  }
}

// ---- Field handlers that chain the reconciliations --------------------------

// Leaving the voltage field: read, hold the final voltage, solve.
TEST(ReconcileFromFinalVoltage, NewSupplyVoltageKeepsFinalVoltage) {
  for (int target : {SolveLoad, SolveDistance, SolveWireSize}) {
    SCOPED_TRACE(target);
    CalcState s{.SolveFor = target, .FinalVoltage = 116.4, .DropVolts = 3.6};
    RecordingForm form(s);
    form.form.Voltage = 240;
    form.ReadForm();
    ReconcileFromFinalVoltage(s, form);
    Calculate(s, form);
    EXPECT_EQ(Shown(s.FinalVoltage), "116.4");
    EXPECT_EQ(Shown(s.DropVolts), "123.6");
    EXPECT_EQ(Shown(s.PercentDrop), "51.5");
    EXPECT_EQ(s.DropMode, ModePercentDrop);
    EXPECT_EQ(form.form.DropMode, ModePercentDrop);
  }
}

// Leaving the final-voltage field: read, clamp, write, hold, solve.
TEST(ReconcileFromFinalVoltage, FinalAboveSupplyIsCappedAndDropIsZero) {
  CalcState s{.SolveFor = SolveLoad, .DropVolts = 3.6};
  RecordingForm form(s);
  form.form.FinalVoltage = 130;
  form.ReadForm();
  ClampFinalVoltage(s);
  form.WriteForm();
  ReconcileFromFinalVoltage(s, form);
  Calculate(s, form);
  EXPECT_BITS(s.FinalVoltage, 120.0);
  EXPECT_BITS(s.DropVolts, 0.0);
  EXPECT_BITS(s.PercentDrop, 0.0);
}

// Leaving the voltage-drop field: read, clamp, write, solve.
TEST(ClampDropVolts, FormShowsCappedDropBeforeTheSolveReads) {
  CalcState s{.DropMode = ModeVoltageDrop, .SolveFor = SolveLoad};
  RecordingForm form(s);
  form.form.DropVolts = 150;
  form.ReadForm();
  ClampDropVolts(s);
  form.WriteForm();
  const std::size_t solveStart = form.log.size();
  Calculate(s, form);
  ASSERT_EQ(form.log[solveStart].kind, Exchange::Read);
  EXPECT_BITS(form.log[solveStart].form.DropVolts, 120.0);
}

// ---- Phase, current and conductor ------------------------------------------

TEST(SetThreePhase, UnderDcReturnsToSingleWithoutSolving) {
  CalcState s{.Current = 1};
  RecordingForm form(s);
  form.form.Phase = 1;
  SetThreePhase(s, form);
  EXPECT_EQ(form.Sequence(), "RW");
  EXPECT_EQ(form.form.Phase, 0);
  EXPECT_BITS(s.PhaseMultiplier, 2.0);
  EXPECT_BITS(s.LoadFactor, 1.0);
}

TEST(SetThreePhase, UnderAcSetsRootThreeAndSolves) {
  CalcState s{.SolveFor = SolveVoltage};
  RecordingForm form(s);
  form.form.Phase = 1;
  SetThreePhase(s, form);
  EXPECT_BITS(s.PhaseMultiplier, Root3);
  EXPECT_BITS(s.LoadFactor, Root3);
  EXPECT_EQ(form.form.Phase, 1);
  EXPECT_BITS(s.VoltAmps, 120.0 * 16.0 * Root3);
}

// DC takes K from the first row whatever the size and raceway.
TEST(SetDirectCurrent, FromThreePhaseGivesSinglePhaseAndDcK) {
  struct {
    int material, size, raceway;
    double k;
  } const cases[] = {{0, 33, 1, 12.9}, {0, 31, 2, 12.9}, {1, 25, 1, 21.2}, {1, 24, 0, 21.2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.material << "/" << c.size << "/" << c.raceway);
    CalcState s{.Phase = 1,
                .Material = c.material,
                .SolveFor = SolveVoltage,
                .WireSize = c.size,
                .Raceway = c.raceway,
                .PhaseMultiplier = Root3,
                .LoadFactor = Root3};
    RecordingForm form(s);
    form.form.Current = 1;
    SetDirectCurrent(s, form);
    EXPECT_EQ(s.Phase, 0);
    EXPECT_EQ(form.form.Phase, 0);
    EXPECT_BITS(s.PhaseMultiplier, 2.0);
    EXPECT_BITS(s.LoadFactor, 1.0);
    EXPECT_BITS(s.KFactor, c.k);
  }
}

// A size chosen from the list gets its own K and area before the second solve,
// so the drop shown is the drop of that size.
TEST(ChangeConductor, VoltageSolveUsesNewSizeKAndParallelArea) {
  CalcState s{.DropMode = ModeVoltageDrop,
              .Phase = 1,
              .SolveFor = SolveVoltage,
              .Distance = 300.0,
              .Amps = 200.0,
              .Voltage = 480.0,
              .PhaseMultiplier = Root3,
              .LoadFactor = Root3};
  RecordingForm form(s);
  form.form.WireSize = 26;
  form.form.ConductorsIndex = 3;
  ChangeConductor(s, form);
  EXPECT_BITS(s.KFactor, 13.53);
  EXPECT_BITS(s.EffectiveArea, 1000000.0);
  EXPECT_BITS(s.DropVolts, 1.4060788455844146);
}

} // namespace
} // namespace engine
