// Calculate against the reference cases (bit for bit), the wire-size outcomes
// including division by zero, and the two wire-size mends: parallel conductors
// count toward the area, and each size is judged with its own K.
#include "ExactDouble.h"
#include "RecordingForm.h"
#include "engine/ConductorTables.h"
#include "engine/Operations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <vector>

namespace engine {
namespace {

using test::Exchange;
using test::HundredPerFoot;
using test::RecordingForm;

const double Root3 = std::sqrt(3.0);
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

struct FieldValue {
  const char* name;
  double CalcState::*field;
  double value;
};
#define AT(field, value)                                                                           \
  FieldValue { #field, &CalcState::field, value }

void ExpectFields(const CalcState& s, const std::vector<FieldValue>& want) {
  for (const FieldValue& f : want) {
    SCOPED_TRACE(f.name);
    EXPECT_BITS(s.*(f.field), f.value);
  }
}

// The form must show what the record holds once a solve is over.
void ExpectFormShowsRecord(const RecordingForm& form, const CalcState& s) {
  CalcState shown = s;
  RecordingForm::CopyFormBound(form.form, shown);
  EXPECT_EQ(shown, s);
}

// ---- Reference cases -------------------------------------------------------

struct ReferenceCase {
  const char* name;
  CalcState in;
  std::vector<FieldValue> want;
  int wireSize = -1; // -1: not checked
};
void PrintTo(const ReferenceCase& c, std::ostream* os) { *os << c.name; }

CalcState No12Circuit(int mode) {
  return {.DropMode = mode,
          .SolveFor = SolveVoltage,
          .Amps = 20.0,
          .WireSize = 14,
          .KFactor = 12.9,
          .EffectiveArea = 6530.0};
}

CalcState ThreePhase250Circuit(int mode) {
  return {.DropMode = mode,
          .Phase = 1,
          .SolveFor = SolveVoltage,
          .Distance = 300.0,
          .Amps = 200.0,
          .WireSize = 26,
          .Voltage = 480.0,
          .KFactor = 13.53,
          .PhaseMultiplier = Root3,
          .EffectiveArea = 250000.0,
          .LoadFactor = Root3};
}

CalcState No14Circuit(int target, int mode) {
  return {.DropMode = mode, .SolveFor = target, .DropVolts = 3.6};
}

const ReferenceCase ReferenceCases[] = {
    {"InitialState",
     CalcState{},
     {AT(DropVolts, 3.6), AT(FinalVoltage, 116.4), AT(VoltAmps, 1920.0),
      AT(EffectiveArea, 11466.666666666666), AT(KFactor, 12.9)},
     16},
    {"VoltageNo12PercentMode",
     No12Circuit(ModePercentDrop),
     {AT(PercentDrop, 6.584992343032161), AT(FinalVoltage, 112.0980091883614)}},
    {"VoltageNo12DropMode",
     No12Circuit(ModeVoltageDrop),
     {AT(DropVolts, 7.9019908116385915), AT(PercentDrop, 6.584992343032161),
      AT(FinalVoltage, 112.0980091883614)}},
    {"VoltageThreePhase250kcmDropMode",
     ThreePhase250Circuit(ModeVoltageDrop),
     {AT(DropVolts, 5.624315382337659), AT(PercentDrop, 1.1717323713203454)}},
    {"VoltageThreePhase250kcmPercentMode",
     ThreePhase250Circuit(ModePercentDrop),
     {AT(PercentDrop, 1.1717323713203454)}},
    {"LoadNo14DropMode", No14Circuit(SolveLoad, ModeVoltageDrop), {AT(Amps, 5.734883720930233)}},
    {"LoadNo14PercentMode",
     No14Circuit(SolveLoad, ModePercentDrop),
     {AT(DropVolts, 3.6), AT(Amps, 5.734883720930233)}},
    {"DistanceInFeet",
     No14Circuit(SolveDistance, ModeVoltageDrop),
     {AT(FeetLength, 35.843023255813954), AT(Distance, 35.843023255813954)}},
    {"DistanceInMeters",
     [] {
       CalcState s = No14Circuit(SolveDistance, ModeVoltageDrop);
       s.DistanceUnits = UnitsMeters;
       return s;
     }(),
     {AT(FeetLength, 35.843023255813954), AT(Distance, 10.924953138773592)}},
    // Volt-amps carry the three-phase load factor and give the same amps back.
    {"LoadThreePhaseVoltAmps",
     [] {
       CalcState s = ThreePhase250Circuit(ModeVoltageDrop);
       s.SolveFor = SolveLoad;
       s.LoadUnits = UnitsVoltAmps;
       s.DropVolts = 5.624315382337659;
       return s;
     }(),
     {AT(VoltAmps, 166276.87752661222), AT(Amps, 200.00000000000003)}},
    // Inputs where any other evaluation order changes the last bit.
    {"OrderSensitiveVoltage",
     [] {
       CalcState s = ThreePhase250Circuit(ModeVoltageDrop);
       s.Distance = 879.0;
       s.Amps = 391.9;
       return s;
     }(),
     {AT(DropVolts, 32.29107875565358)}},
    {"OrderSensitiveLoad",
     [] {
       CalcState s = ThreePhase250Circuit(ModeVoltageDrop);
       s.SolveFor = SolveLoad;
       s.Distance = 879.0;
       s.DropVolts = 17.6;
       return s;
     }(),
     {AT(Amps, 213.6020308331255)}},
    {"OrderSensitiveDistance",
     [] {
       CalcState s = ThreePhase250Circuit(ModeVoltageDrop);
       s.SolveFor = SolveDistance;
       s.Amps = 391.9;
       s.DropVolts = 17.6;
       return s;
     }(),
     {AT(FeetLength, 479.0920773215548)}},
    {"OrderSensitiveWireSize",
     [] {
       CalcState s = ThreePhase250Circuit(ModeVoltageDrop);
       s.SolveFor = SolveWireSize;
       s.Distance = 602.3;
       s.Amps = 232.8;
       s.DropVolts = 9.0;
       return s;
     }(),
     {AT(EffectiveArea, 379671.54931386106), AT(KFactor, 14.07)},
     29},
};

class ReferenceCaseTest : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferenceCaseTest, MatchesToTheLastBit) {
  const ReferenceCase& c = GetParam();
  CalcState s = c.in;
  RecordingForm form(s);
  Calculate(s, form);
  ExpectFields(s, c.want);
  if (c.wireSize >= 0) {
    EXPECT_EQ(s.WireSize, c.wireSize);
  }
  EXPECT_EQ(form.Count(Exchange::Warning), 0);
  ExpectFormShowsRecord(form, s);
}

INSTANTIATE_TEST_SUITE_P(Solver, ReferenceCaseTest, ::testing::ValuesIn(ReferenceCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Wire-size outcomes ----------------------------------------------------

// AC copper in steel, 16 A over 100 ft at 120 V, in the given result mode.
CalcState AcCircuit(int mode, double percent, double dropVolts, double finalVoltage) {
  return {.DropMode = mode,
          .SolveFor = SolveWireSize,
          .PercentDrop = percent,
          .FinalVoltage = finalVoltage,
          .DropVolts = dropVolts};
}

struct WireSizeCase {
  const char* name;
  CalcState in;
  int wireSize;
  double effectiveArea;
  double kFactor;
  int warnings;
};
void PrintTo(const WireSizeCase& c, std::ostream* os) { *os << c.name; }

CalcState With(CalcState s, double CalcState::*field, double v) {
  s.*field = v;
  return s;
}

const WireSizeCase WireSizeCases[] = {
    {"AreaEqualToNo14", HundredPerFoot(41.1), 13, 4110.0, 12.9, 0},
    {"AreaJustAboveNo14", HundredPerFoot(41.10000001), 14, 4110.000001, 12.9, 0},
    {"AreaEqualToLargest", HundredPerFoot(7500), 33, 750000.0, 12.9, 0},
    {"AreaAboveLargestKeepsArea", HundredPerFoot(7600), 33, 760000.0, 12.9, 1},
    // Zero allowed drop with a load: the requirement is unbounded.
    {"ZeroPercentDrop", AcCircuit(ModePercentDrop, 0, 0, 0), 33, Inf, 15.84, 1},
    {"FinalEqualsVoltage", AcCircuit(ModeFinalVoltage, 0, 0, 120), 33, Inf, 15.84, 1},
    // 0/0 is undefined and falls to the minimum area.
    {"ZeroDropZeroAmps", With(AcCircuit(ModePercentDrop, 0, 0, 0), &CalcState::Amps, 0), 0, 10.0,
     12.9, 0},
    {"ZeroDropZeroLength", With(AcCircuit(ModePercentDrop, 0, 0, 0), &CalcState::Distance, 0), 0,
     10.0, 12.9, 0},
    {"ZeroAmpsPositiveDrop", With(CalcState{}, &CalcState::Amps, 0), 0, 10.0, 12.9, 0},
    // A drop beyond the supply leaves a negative area, raised to the minimum.
    {"FinalAboveVoltage", AcCircuit(ModeFinalVoltage, 0, 0, 130), 0, 10.0, 12.9, 0},
    // A percent drop of 100 or more leaves nothing for the conductor.
    {"DropEqualsVoltage", AcCircuit(ModeVoltageDrop, 0, 120, 0), 33, 750001.0, 15.84, 1},
    {"FinalVoltageZero", AcCircuit(ModeFinalVoltage, 0, 0, 0), 33, 750001.0, 15.84, 1},
    {"PercentAbove100", AcCircuit(ModePercentDrop, 150, 0, 0), 33, 750001.0, 15.84, 1},
    {"PercentDrop100EightConductors",
     [] {
       CalcState s = AcCircuit(ModeVoltageDrop, 0, 120, 0);
       s.ConductorsIndex = 7;
       s.Raceway = 2;
       return s;
     }(),
     33, 750001.0, 14.33, 1},
    {"DcAluminumZeroDrop",
     [] {
       CalcState s = AcCircuit(ModePercentDrop, 0, 0, 0);
       s.Material = 1;
       s.Current = 1;
       return s;
     }(),
     33, Inf, 21.2, 1},
};

class WireSizeOutcomeTest : public ::testing::TestWithParam<WireSizeCase> {};

TEST_P(WireSizeOutcomeTest, SelectsSizeAreaKAndWarnsOncePerSolve) {
  const WireSizeCase& c = GetParam();
  CalcState s = c.in;
  RecordingForm form(s);
  Calculate(s, form);
  EXPECT_EQ(s.WireSize, c.wireSize);
  EXPECT_BITS(s.EffectiveArea, c.effectiveArea);
  EXPECT_BITS(s.KFactor, c.kFactor);
  ASSERT_EQ(form.Count(Exchange::Warning), c.warnings);
  for (const Exchange& e : form.log) {
    if (e.kind == Exchange::Warning) {
      EXPECT_EQ(e.text, WireSizeWarning);
    }
  }
  EXPECT_EQ(form.form.WireSize, c.wireSize);
}

INSTANTIATE_TEST_SUITE_P(Solver, WireSizeOutcomeTest, ::testing::ValuesIn(WireSizeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Parallel conductors count toward the area -----------------------------

struct CountCase {
  const char* name;
  double feet; // required area = 100 x feet
  int conductorsIndex;
  int wireSize;
  int warnings;
};
void PrintTo(const CountCase& c, std::ostream* os) { *os << c.name; }

const CountCase CountCases[] = {
    {"OneConductor300k", 3000, 0, 27, 0},
    // 4 x 66360 < 300000 <= 4 x 83690: "No. 1", not "300 kcm" four times over.
    {"FourConductors300k", 3000, 3, 21, 0},
    {"FourConductorsExactlyFourNo2", 2654.4, 3, 20, 0},
    {"FourConductorsJustAboveFourNo2", 2654.5, 3, 21, 0},
    {"EightConductorsExactlyEightLargest", 60000, 7, 33, 0},
    {"EightConductorsAboveEightLargest", 60001, 7, 33, 1},
    // 750001 through the formula is an ordinary requirement, unlike 100 percent.
    {"EightConductors750001", 7500.01, 7, 22, 0},
};

class ParallelConductorTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(ParallelConductorTest, SelectsSmallestSizeWhoseCountCoversTheArea) {
  const CountCase& c = GetParam();
  CalcState s = HundredPerFoot(c.feet, c.conductorsIndex);
  RecordingForm form(s);
  Calculate(s, form);
  EXPECT_EQ(s.WireSize, c.wireSize) << WireSizeNames[s.WireSize];
  EXPECT_EQ(form.Count(Exchange::Warning), c.warnings);
  EXPECT_BITS(s.EffectiveArea, c.feet * 100.0);
  EXPECT_EQ(s.ConductorsIndex, c.conductorsIndex);
}

INSTANTIATE_TEST_SUITE_P(Solver, ParallelConductorTest, ::testing::ValuesIn(CountCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Each size is judged with its own K -------------------------------------

// AC, 100 A, 25.8 V allowed drop at 480 V single phase; `size` and `k` are the
// previous selection, whose K a stale solve would have used.
CalcState AcHundredPerFoot(double feet, int material, int raceway, int size, double k,
                           int conductorsIndex = 0) {
  CalcState s = HundredPerFoot(feet, conductorsIndex);
  s.Current = 0;
  s.Material = material;
  s.Raceway = raceway;
  s.WireSize = size;
  s.KFactor = k;
  return s;
}

struct OwnKCase {
  const char* name;
  CalcState in;
  int wireSize;
  double kFactor;
  double effectiveArea; // computed with the chosen size's K
  int warnings;
};
void PrintTo(const OwnKCase& c, std::ostream* os) { *os << c.name; }

const OwnKCase OwnKCases[] = {
    // With No. 14's K the requirement is 245000 and "250 kcm" would be chosen.
    {"CopperSteelNot250kcm", AcHundredPerFoot(2450, 0, 0, 13, 12.9), 27, 13.53, 256965.11627906977,
     0},
    {"CopperAluminumRaceway", AcHundredPerFoot(2450, 0, 1, 13, 12.9), 27, 14.73, 279755.81395348837,
     0},
    // With No. 14's K the requirement is 130000 and "No. 2/0" would be chosen.
    {"CopperSteelNot2Over0", AcHundredPerFoot(1300, 0, 0, 13, 12.9), 24, 13.3, 134031.00775193798,
     0},
    {"AluminumAluminumRaceway", AcHundredPerFoot(2000, 1, 1, 13, 21.2), 29, 23.64,
     366511.62790697673, 0},
    // A stale K from "700 kcm" would overshoot to "350 kcm".
    {"StaleLargeKWouldOvershoot", AcHundredPerFoot(2400, 0, 0, 32, 16.13), 27, 13.53,
     251720.93023255814, 0},
    {"TwoConductors", AcHundredPerFoot(2450, 0, 0, 13, 12.9, 1), 23, 13.34, 253356.5891472868, 0},
    {"FourConductors", AcHundredPerFoot(12000, 0, 0, 13, 12.9, 3), 28, 13.71, 1275348.8372093022,
     0},
    {"OutOfRangeTakesLargestSizesK", AcHundredPerFoot(6500, 0, 0, 13, 12.9), 33, 15.84,
     798139.5348837209, 1},
};

class OwnKFactorTest : public ::testing::TestWithParam<OwnKCase> {};

TEST_P(OwnKFactorTest, ChoosesFirstSizeCoveringItsOwnRequirement) {
  const OwnKCase& c = GetParam();
  CalcState s = c.in;
  RecordingForm form(s);
  Calculate(s, form);
  EXPECT_EQ(s.WireSize, c.wireSize) << WireSizeNames[s.WireSize];
  EXPECT_BITS(s.KFactor, c.kFactor);
  EXPECT_BITS(s.EffectiveArea, c.effectiveArea);
  EXPECT_EQ(form.Count(Exchange::Warning), c.warnings);
}

TEST_P(OwnKFactorTest, VoltageSolveRightAfterReproducesAllowedDrop) {
  CalcState s = GetParam().in;
  RecordingForm form(s);
  Calculate(s, form);
  form.form.SolveFor = SolveVoltage;
  Calculate(s, form);
  EXPECT_DOUBLE_EQ(s.DropVolts, 25.8);
}

// The point of the mend: the chosen size really keeps the drop within 25.8 V
// and the size below it does not (out of range, not even the largest does).
// Sizes are chosen from the list, which reselects K and area for them.
TEST_P(OwnKFactorTest, ChosenSizeIsSmallestThatKeepsDropWithinAllowance) {
  const OwnKCase& c = GetParam();
  CalcState s = c.in;
  RecordingForm form(s);
  Calculate(s, form);
  form.form.SolveFor = SolveVoltage;
  ChangeConductor(s, form);
  if (c.warnings != 0) {
    EXPECT_GT(s.DropVolts, 25.8) << "with " << WireSizeNames[s.WireSize];
    return;
  }
  EXPECT_LE(s.DropVolts, 25.8) << "with " << WireSizeNames[s.WireSize];
  form.form.WireSize = c.wireSize - 1;
  ChangeConductor(s, form);
  EXPECT_GT(s.DropVolts, 25.8) << "with " << WireSizeNames[s.WireSize];
}

INSTANTIATE_TEST_SUITE_P(Solver, OwnKFactorTest, ::testing::ValuesIn(OwnKCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Division by zero in the other targets ---------------------------------

struct NonFiniteCase {
  const char* name;
  CalcState in;
  std::vector<FieldValue> want;
};
void PrintTo(const NonFiniteCase& c, std::ostream* os) { *os << c.name; }

const NonFiniteCase NonFiniteCases[] = {
    {"VoltageAtZeroVoltsPercentMode",
     With(No12Circuit(ModePercentDrop), &CalcState::Voltage, 0),
     {AT(PercentDrop, Inf), AT(DropVolts, NaN), AT(FinalVoltage, NaN), AT(VoltAmps, 0.0)}},
    {"VoltageAtZeroVoltsDropMode",
     With(No12Circuit(ModeVoltageDrop), &CalcState::Voltage, 0),
     {AT(DropVolts, 7.9019908116385915), AT(PercentDrop, Inf),
      AT(FinalVoltage, -7.9019908116385915)}},
    {"VoltageWithZeroArea",
     With(No12Circuit(ModeVoltageDrop), &CalcState::EffectiveArea, 0),
     {AT(DropVolts, Inf), AT(PercentDrop, Inf), AT(FinalVoltage, -Inf)}},
    {"LoadOverZeroLength",
     With(No14Circuit(SolveLoad, ModeVoltageDrop), &CalcState::Distance, 0),
     {AT(Amps, 0.0), AT(VoltAmps, 0.0)}},
    // Zero of either sign counts as zero: no -inf or NaN amps.
    {"LoadOverNegativeZeroLength",
     With(No14Circuit(SolveLoad, ModeVoltageDrop), &CalcState::Distance, -0.0),
     {AT(Amps, 0.0), AT(VoltAmps, 0.0)}},
    {"LoadInVoltAmpsOverZeroLength",
     [] {
       CalcState s = No14Circuit(SolveLoad, ModeVoltageDrop);
       s.Distance = 0;
       s.LoadUnits = UnitsVoltAmps;
       s.VoltAmps = 500;
       return s;
     }(),
     {AT(VoltAmps, 0.0), AT(Amps, 0.0)}},
    {"LoadInVoltAmpsAtZeroVolts",
     [] {
       CalcState s = No14Circuit(SolveLoad, ModeVoltageDrop);
       s.LoadUnits = UnitsVoltAmps;
       s.Voltage = 0;
       return s;
     }(),
     {AT(VoltAmps, 0.0), AT(Amps, NaN), AT(PercentDrop, Inf), AT(FinalVoltage, -3.6)}},
    {"DistanceWithZeroAmps",
     With(No14Circuit(SolveDistance, ModeVoltageDrop), &CalcState::Amps, 0),
     {AT(FeetLength, 0.0), AT(Distance, 0.0)}},
    {"DistanceWithZeroAmpsInMeters",
     [] {
       CalcState s = No14Circuit(SolveDistance, ModeVoltageDrop);
       s.Amps = 0;
       s.DistanceUnits = UnitsMeters;
       return s;
     }(),
     {AT(FeetLength, 0.0), AT(Distance, 0.0)}},
};

class NonFiniteTest : public ::testing::TestWithParam<NonFiniteCase> {};

TEST_P(NonFiniteTest, StoresTheIeeeResultWithoutWarning) {
  const NonFiniteCase& c = GetParam();
  CalcState s = c.in;
  RecordingForm form(s);
  Calculate(s, form);
  ExpectFields(s, c.want);
  EXPECT_EQ(form.Count(Exchange::Warning), 0);
}

INSTANTIATE_TEST_SUITE_P(Solver, NonFiniteTest, ::testing::ValuesIn(NonFiniteCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Only the wire-size solve warns, however hopeless the circuit.
TEST(SolverWarnings, OtherTargetsNeverWarn) {
  for (int target : {0, 1, 2, 4, -1}) {
    SCOPED_TRACE(target);
    CalcState s = AcCircuit(ModePercentDrop, 0, 0, 0);
    s.SolveFor = target;
    RecordingForm form(s);
    Calculate(s, form);
    EXPECT_EQ(form.Count(Exchange::Warning), 0);
  }
}

TEST(SolverWarnings, EverySolveOutOfRangeWarnsAgain) {
  CalcState s = HundredPerFoot(7600);
  RecordingForm form(s);
  for (int solves = 1; solves <= 3; ++solves) {
    Calculate(s, form);
    EXPECT_EQ(form.Count(Exchange::Warning), solves);
  }
}

} // namespace
} // namespace engine
