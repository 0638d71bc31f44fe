// The engine's contract with the form is its sequence of reads, writes and
// warnings: each read brings back what the form shows, so a write out of place
// loses a result. These tests hold every operation to that rule and check what
// each read sees, failed reads, form changes mid-sequence and sequences nested
// in the warning.
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

// ---- Every operation the dialog calls -------------------------------------

struct SequenceCase {
  const char* name;
  CalcState in;
  std::function<void(CalcState&, RecordingForm&)> run;
  int warnings = 0; // as given: one per solve that finds no size
};
void PrintTo(const SequenceCase& c, std::ostream* os) { *os << c.name; }

CalcState Target(int target, int units = UnitsFeet) {
  return {.SolveFor = target, .DistanceUnits = units};
}

const auto Calc = [](CalcState& s, RecordingForm& f) { Calculate(s, f); };

const SequenceCase SequenceCases[] = {
    {"CalculateVoltage", Target(SolveVoltage), Calc},
    {"CalculateLoad", Target(SolveLoad), Calc},
    {"CalculateDistanceFeet", Target(SolveDistance), Calc},
    {"CalculateDistanceMeters", Target(SolveDistance, UnitsMeters), Calc},
    {"CalculateWireSize", Target(SolveWireSize), Calc},
    {"CalculateWireSizeOutOfRange", OutOfRange(), Calc, 1},
    {"CalculateUnknownTarget", Target(4), Calc},
    {"ReconcileFromFinalVoltage", CalcState{},
     [](CalcState& s, RecordingForm& f) { ReconcileFromFinalVoltage(s, f); }},
    {"SelectKFactor", Target(SolveVoltage),
     [](CalcState& s, RecordingForm& f) { SelectKFactor(s, f); }},
    {"ChangeConductorVoltage", Target(SolveVoltage),
     [](CalcState& s, RecordingForm& f) { ChangeConductor(s, f); }},
    // ChangeConductor solves twice.
    {"ChangeConductorOutOfRange", OutOfRange(),
     [](CalcState& s, RecordingForm& f) { ChangeConductor(s, f); }, 2},
    {"SetSinglePhase", Target(SolveVoltage),
     [](CalcState& s, RecordingForm& f) { SetSinglePhase(s, f); }},
    {"SetThreePhaseAc", Target(SolveVoltage),
     [](CalcState& s, RecordingForm& f) { SetThreePhase(s, f); }},
    {"SetThreePhaseDc", CalcState{.SolveFor = SolveVoltage, .Current = CurrentDc},
     [](CalcState& s, RecordingForm& f) { SetThreePhase(s, f); }},
    {"SetDirectCurrent", Target(SolveVoltage),
     [](CalcState& s, RecordingForm& f) { SetDirectCurrent(s, f); }},
    {"ShowDistanceInFeet", Target(SolveVoltage, UnitsMeters),
     [](CalcState& s, RecordingForm& f) { ShowDistanceInFeet(s, f); }},
    {"ShowDistanceInMeters", Target(SolveVoltage),
     [](CalcState& s, RecordingForm& f) { ShowDistanceInMeters(s, f); }},
};

class SequenceTest : public ::testing::TestWithParam<SequenceCase> {};

// Started with form and record in agreement, a read that finds them differing
// is bringing back a value the engine changed and had not yet written. The
// operation reads first, so what the user typed is in before anything changes,
// and the read of whatever runs next finds nothing unwritten either.
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
      ASSERT_FALSE(form.log.empty());
      EXPECT_EQ(form.log.front().kind, Exchange::Read);
      if (phase == c.in.Phase && units == c.in.LoadUnits) {
        EXPECT_EQ(form.Count(Exchange::Warning), c.warnings);
      }
      form.ReadForm();
      for (std::size_t i = 0; i < form.log.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "exchange " << i << " of " << form.Sequence());
        EXPECT_TRUE(form.log[i].overwrote.empty())
            << "first field: " << static_cast<int>(form.log[i].overwrote.front());
      }
    }
  }
}

// What the user entered and no read has brought in yet is what the operation
// works with: it ends as if the record had held it from the start.
TEST_P(SequenceTest, UnreadEntryIsUsedNotOverwritten) {
  const SequenceCase& c = GetParam();
  const auto enter = [&c](CalcState& s) {
    s.Amps = 40;
    s.Current = c.in.Current == CurrentAc ? CurrentDc : CurrentAc;
  };
  CalcState entered = c.in;
  RecordingForm form(entered);
  enter(form.form);
  c.run(entered, form);

  CalcState held = c.in;
  enter(held);
  RecordingForm heldForm(held);
  c.run(held, heldForm);
  EXPECT_TRUE(entered == held);
  EXPECT_TRUE(form.form == heldForm.form);
}

INSTANTIATE_TEST_SUITE_P(Engine, SequenceTest, ::testing::ValuesIn(SequenceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WireSizeWarning, ShownWhileFormStillHasPreviousSize) {
  CalcState s = OutOfRange();
  RecordingForm form(s);
  Calculate(s, form);
  const std::size_t warning = form.Sequence().find('!');
  ASSERT_LT(warning + 1, form.log.size()) << form.Sequence();
  EXPECT_EQ(form.log[warning].text, WireSizeWarning);
  EXPECT_EQ(form.log[warning].form.WireSize, 13);
  EXPECT_EQ(form.log[warning + 1].kind, Exchange::Write);
  EXPECT_EQ(form.log[warning + 1].form.WireSize, LargestWireSize);
}

// Every read after the first sees mode Final voltage and the clamped value;
// the last write shows the user's mode again.
TEST(ReconcileFromFinalVoltage, ReadInsideSeesFinalModeAndClampedValue) {
  CalcState s{.DropMode = ModeVoltageDrop};
  RecordingForm form(s);
  form.form.FinalVoltage = 130;
  ReconcileFromFinalVoltage(s, form);
  ASSERT_GE(form.Count(Exchange::Read), 2);
  for (std::size_t i = 1; i < form.log.size(); ++i) {
    if (form.log[i].kind == Exchange::Read) {
      EXPECT_EQ(form.log[i].form.DropMode, ModeFinalVoltage) << "exchange " << i;
      EXPECT_BITS(form.log[i].form.FinalVoltage, 120.0);
    }
  }
  EXPECT_EQ(form.log.back().kind, Exchange::Write);
  EXPECT_EQ(form.log.back().form.DropMode, ModeVoltageDrop);
  EXPECT_BITS(form.log.back().form.DropVolts, 0.0);
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
    int warnings;
  } const cases[] = {
      {"Percent100", ModeVoltageDrop, 120, 0, 1},
      {"NegativePercent", ModeFinalVoltage, 0, 130, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CalcState s{.DropMode = c.mode,
                .SolveFor = SolveWireSize,
                .FinalVoltage = c.finalVoltage,
                .DropVolts = c.dropVolts};
    RecordingForm form(s);
    Calculate(s, form);
    EXPECT_EQ(form.Count(Exchange::Warning), c.warnings);
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
