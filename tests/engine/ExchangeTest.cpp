// The engine's contract with the form is its sequence of reads, writes and
// warnings: each read brings back what the form shows, so a write out of place
// loses a result. These tests pin the sequences, what each read sees, failed
// reads, form changes mid-sequence and sequences nested in the warning.
#include "ExactDouble.h"
#include "RecordingForm.h"
#include "engine/ConductorTables.h"
#include "engine/Operations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace engine {
namespace {

using test::Exchange;
using test::FormField;
using test::RecordingForm;

const double Root3 = std::sqrt(3.0);
constexpr int DistanceStep = static_cast<int>(FormField::Distance);
constexpr int PercentStep = static_cast<int>(FormField::PercentDrop);
constexpr int AmpsStep = static_cast<int>(FormField::Amps);

// 760000 circular mils required (DC copper): no size is large enough.
CalcState OutOfRange() {
  return {.DropMode = ModeVoltageDrop,
          .SolveFor = SolveWireSize,
          .Distance = 7600,
          .DropVolts = 25.8,
          .Amps = 100.0,
          .Voltage = 480.0,
          .Current = 1};
}

std::vector<int> FailedSteps(const RecordingForm& form) {
  std::vector<int> steps;
  for (const Exchange& e : form.log) {
    if (e.kind == Exchange::Read)
      steps.push_back(e.failedStep);
  }
  return steps;
}

// ---- The recording form itself ---------------------------------------------

TEST(RecordingForm, OutOfRangeIsStoredAndStopsEveryRead) {
  CalcState s;
  RecordingForm form(s);
  form.form.Distance = 1000001;
  form.form.Amps = 30;
  EXPECT_FALSE(form.ReadForm());
  EXPECT_FALSE(form.ReadForm());
  EXPECT_BITS(s.Distance, 1000001.0);
  EXPECT_BITS(s.Amps, 16.0);
  EXPECT_EQ(FailedSteps(form), (std::vector<int>{DistanceStep, DistanceStep}));
}

TEST(RecordingForm, NotANumberKeepsValueAndStopsUntilNextWrite) {
  CalcState s;
  RecordingForm form(s);
  form.form.Voltage = 240;
  form.PutNotANumber(FormField::Amps);
  EXPECT_FALSE(form.ReadForm());
  EXPECT_BITS(s.Voltage, 120.0);
  form.WriteForm();
  EXPECT_TRUE(form.ReadForm());
  EXPECT_EQ(FailedSteps(form), (std::vector<int>{AmpsStep, 0}));
}

// ---- Sequences -------------------------------------------------------------

struct SequenceCase {
  const char* name;
  CalcState in;
  std::function<void(CalcState&, RecordingForm&)> run;
  const char* sequence;
};
void PrintTo(const SequenceCase& c, std::ostream* os) { *os << c.name; }

CalcState Target(int target, int units = UnitsFeet) {
  return {.SolveFor = target, .DistanceUnits = units};
}

const auto Calc = [](CalcState& s, RecordingForm& f) { Calculate(s, f); };

const SequenceCase SequenceCases[] = {
    {"CalculateVoltage", Target(SolveVoltage), Calc,
     "RW"
     "RWWRW"
     "W"},
    {"CalculateLoad", Target(SolveLoad), Calc,
     "RW"
     "RWWRW"
     "W"},
    {"CalculateDistanceFeet", Target(SolveDistance), Calc,
     "RW"
     "RWRWRW"
     "W"},
    {"CalculateDistanceMeters", Target(SolveDistance, UnitsMeters), Calc,
     "RW"
     "RWRWRW"
     "W"},
    {"CalculateWireSize", Target(SolveWireSize), Calc,
     "RW"
     "RWRWW"
     "W"},
    {"CalculateWireSizeOutOfRange", OutOfRange(), Calc,
     "RW"
     "RWRW!W"
     "W"},
    {"CalculateUnknownTarget", Target(4), Calc, "RWW"},
    {"ReconcileFromFinalVoltage", CalcState{},
     [](CalcState& s, RecordingForm& f) { ReconcileFromFinalVoltage(s, f); },
     "RW"
     "RW"
     "W"},
    {"SelectKFactor", Target(SolveVoltage),
     [](CalcState& s, RecordingForm& f) { SelectKFactor(s, f); },
     "R"
     "RWRWWRWW"},
    {"ChangeConductorVoltage", Target(SolveVoltage),
     [](CalcState& s, RecordingForm& f) { ChangeConductor(s, f); },
     "R"
     "RWRWWRWW"
     "RWRWWRWW"},
    // One warning per solve, and ChangeConductor solves twice.
    {"ChangeConductorOutOfRange", OutOfRange(),
     [](CalcState& s, RecordingForm& f) { ChangeConductor(s, f); },
     "R"
     "RWRWRW!WW"
     "RWRWRW!WW"},
    {"SetSinglePhaseDoesNotReadFirst", Target(SolveVoltage),
     [](CalcState& s, RecordingForm& f) { SetSinglePhase(s, f); }, "RWRWWRWW"},
    {"SetThreePhaseAc", Target(SolveVoltage),
     [](CalcState& s, RecordingForm& f) { SetThreePhase(s, f); },
     "R"
     "RWRWWRWW"
     "W"},
    {"SetDirectCurrent", Target(SolveVoltage),
     [](CalcState& s, RecordingForm& f) { SetDirectCurrent(s, f); },
     "RW"
     "R"
     "RWRWWRWW"},
    {"ShowDistanceInMeters", Target(SolveVoltage),
     [](CalcState& s, RecordingForm& f) { ShowDistanceInMeters(s, f); }, "RW"},
};

class SequenceTest : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(SequenceTest, ExchangesInOrder) {
  const SequenceCase& c = GetParam();
  CalcState s = c.in;
  RecordingForm form(s);
  c.run(s, form);
  EXPECT_EQ(form.Sequence(), c.sequence);
}

// Started with form and record in agreement, a read that finds them differing
// is bringing back a value the engine changed and had not yet written.
TEST_P(SequenceTest, NoReadDiscardsAnUnwrittenChange) {
  const SequenceCase& c = GetParam();
  for (int phase : {0, 1}) {
    for (int units : {UnitsAmps, UnitsVoltAmps}) {
      SCOPED_TRACE(testing::Message() << "phase " << phase << ", load units " << units);
      CalcState s = c.in;
      s.Phase = phase;
      s.PhaseMultiplier = phase == 0 ? 2.0 : Root3;
      s.LoadFactor = phase == 0 ? 1.0 : Root3;
      s.LoadUnits = units;
      s.VoltAmps = 2500;
      RecordingForm form(s);
      c.run(s, form);
      for (std::size_t i = 0; i < form.log.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "exchange " << i << " of " << form.Sequence());
        EXPECT_TRUE(form.log[i].overwrote.empty())
            << "first field: " << static_cast<int>(form.log[i].overwrote.front());
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Engine, SequenceTest, ::testing::ValuesIn(SequenceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WireSizeWarning, ShownWhileFormStillHasPreviousSize) {
  CalcState s = OutOfRange();
  RecordingForm form(s);
  Calculate(s, form);
  ASSERT_EQ(form.Sequence(), "RWRWRW!WW");
  EXPECT_EQ(form.log[6].text, WireSizeWarning);
  EXPECT_EQ(form.log[6].form.WireSize, 13);
  EXPECT_EQ(form.log[7].form.WireSize, LargestWireSize);
}

// The mode is Final voltage on the form exactly between the first and last write.
TEST(ReconcileFromFinalVoltage, ReadInsideSeesFinalModeAndClampedValue) {
  CalcState s{.DropMode = ModeVoltageDrop};
  RecordingForm form(s);
  form.form.FinalVoltage = 130;
  ReconcileFromFinalVoltage(s, form);
  ASSERT_EQ(form.Sequence(), "RWRWW");
  EXPECT_EQ(form.log[1].form.DropMode, ModeFinalVoltage);
  EXPECT_BITS(form.log[1].form.FinalVoltage, 120.0);
  EXPECT_EQ(form.log[3].form.DropMode, ModeFinalVoltage);
  EXPECT_EQ(form.log[4].form.DropMode, ModeVoltageDrop);
  EXPECT_BITS(form.log[4].form.DropVolts, 0.0);
}

// ---- Failed reads ----------------------------------------------------------

// The engine goes on with the record as a failed read left it: fields read
// before the failing one are in, the rest keep the record's values, and the
// next write puts those back on the form.
TEST(FailedRead, OutOfRangeDistanceIsUsedAndLaterFieldsAreNot) {
  CalcState s{.DropMode = ModeVoltageDrop, .SolveFor = SolveVoltage};
  RecordingForm form(s);
  form.form.Distance = 1000001;
  form.form.Amps = 30;
  Calculate(s, form);
  for (int step : FailedSteps(form))
    EXPECT_EQ(step, DistanceStep);
  EXPECT_BITS(s.FeetLength, 1000001.0);
  EXPECT_BITS(s.Amps, 16.0);
  EXPECT_BITS(form.form.Amps, 16.0);

  CalcState inRange{.DropMode = ModeVoltageDrop, .SolveFor = SolveVoltage, .Distance = 1000000};
  RecordingForm other(inRange);
  Calculate(inRange, other);
  EXPECT_GT(s.DropVolts, inRange.DropVolts);
}

TEST(FailedRead, NotANumberOnlyStopsTheFirstRead) {
  CalcState s{.SolveFor = SolveVoltage};
  RecordingForm form(s);
  form.form.Voltage = 240;
  form.PutNotANumber(FormField::Amps);
  Calculate(s, form);
  const std::vector<int> steps = FailedSteps(form);
  ASSERT_FALSE(steps.empty());
  EXPECT_EQ(steps.front(), AmpsStep);
  for (std::size_t i = 1; i < steps.size(); ++i)
    EXPECT_EQ(steps[i], 0);
  EXPECT_BITS(s.Voltage, 120.0);
  EXPECT_BITS(form.form.Voltage, 120.0);
}

// A percent drop the solve itself writes outside the form range is reported by
// the next read, before the warning.
TEST(FailedRead, WrittenPercentOutOfRangeIsReportedByNextRead) {
  struct {
    const char* name;
    int mode;
    double dropVolts, finalVoltage;
    const char* sequence;
  } const cases[] = {
      {"Percent100", ModeVoltageDrop, 120, 0, "RWRWRW!WW"},
      {"NegativePercent", ModeFinalVoltage, 0, 130, "RWRWRWWW"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CalcState s{.DropMode = c.mode,
                .SolveFor = SolveWireSize,
                .FinalVoltage = c.finalVoltage,
                .DropVolts = c.dropVolts};
    RecordingForm form(s);
    Calculate(s, form);
    EXPECT_EQ(form.Sequence(), c.sequence);
    EXPECT_EQ(FailedSteps(form), (std::vector<int>{0, 0, PercentStep}));
  }
}

// ---- The form changes in the middle of a sequence --------------------------

// Each read brings in what the form shows at that moment, and only the steps
// after it use the new value.
TEST(MidSequenceChange, AmpsChangedBeforeLoadReadDriveTheDrop) {
  CalcState s{.DropMode = ModeVoltageDrop, .SolveFor = SolveVoltage};
  RecordingForm form(s);
  form.beforeRead = [](int read, CalcState& shown) {
    if (read == 1)
      shown.Amps = 40;
  };
  Calculate(s, form);

  CalcState fresh{.DropMode = ModeVoltageDrop, .SolveFor = SolveVoltage, .Amps = 40};
  RecordingForm freshForm(fresh);
  Calculate(fresh, freshForm);
  EXPECT_BITS(s.DropVolts, fresh.DropVolts);
  EXPECT_BITS(s.VoltAmps, fresh.VoltAmps);
}

TEST(MidSequenceChange, VoltageChangedBeforeDropReadOnlyMovesTheReconciliation) {
  CalcState s{.SolveFor = SolveVoltage};
  RecordingForm form(s);
  form.beforeRead = [](int read, CalcState& shown) {
    if (read == 2)
      shown.Voltage = 240;
  };
  Calculate(s, form);

  CalcState at120{.SolveFor = SolveVoltage};
  RecordingForm at120Form(at120);
  Calculate(at120, at120Form);
  // Percent was computed at 120 V before the read; the volts follow at 240 V.
  EXPECT_BITS(s.PercentDrop, at120.PercentDrop);
  EXPECT_BITS(s.DropVolts, at120.PercentDrop * 240 * 0.01);
  EXPECT_BITS(s.VoltAmps, at120.VoltAmps);
}

// ---- Sequences nested in the warning ---------------------------------------

// The form still shows the previous size while the warning is open, so any
// nested read brings it back, and the solve's closing write shows it.
TEST(NestedInWarning, NestedReadRestoresPreviousSize) {
  CalcState s = OutOfRange();
  RecordingForm form(s);
  form.whileWarning = [&] { ShowDistanceInFeet(s, form); };
  Calculate(s, form);
  EXPECT_EQ(form.Sequence(), "RWRWRW!"
                             "RW"
                             "WW");
  EXPECT_EQ(s.WireSize, 13);
  EXPECT_EQ(form.form.WireSize, 13);
}

// Leaving the distance field with a shorter length while the warning is open:
// the nested solve wins and the outer one only writes what it left.
TEST(NestedInWarning, NestedSolveResultIsWhatTheFormEndsWith) {
  CalcState s = OutOfRange();
  RecordingForm form(s);
  bool nested = false;
  form.whileWarning = [&] {
    ASSERT_FALSE(nested) << "warning re-entered";
    nested = true;
    form.form.Distance = 1000;
    form.ReadForm();
    NormalizeDistance(s);
    form.WriteForm();
    Calculate(s, form);
  };
  Calculate(s, form);
  EXPECT_EQ(form.Count(Exchange::Warning), 1);
  EXPECT_EQ(form.Sequence(), "RWRWRW!"
                             "RWRWRWRWWW"
                             "WW");

  CalcState fresh = OutOfRange();
  fresh.Distance = 1000;
  RecordingForm freshForm(fresh);
  Calculate(fresh, freshForm);
  EXPECT_EQ(s.WireSize, fresh.WireSize);
  EXPECT_EQ(form.form.WireSize, fresh.WireSize);
  EXPECT_BITS(s.EffectiveArea, fresh.EffectiveArea);
  EXPECT_BITS(s.KFactor, fresh.KFactor);
}

} // namespace
} // namespace engine
