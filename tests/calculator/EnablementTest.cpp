// Which of the seven result, load, distance and size controls are enabled,
// and where the focus goes, for every target, result mode and load unit.
#include "EnablementOracle.h"
#include "FormTestSupport.h"

namespace testing_ui {
namespace {

using namespace calculator;

// Buttons and edits by their encodings.
constexpr int TargetButton[] = {IdcSolveVoltage, IdcSolveLoad, IdcSolveDistance, IdcSolveWireSize};
constexpr int ModeButton[] = {IdcPercentDropMode, IdcVoltageDropMode, IdcFinalVoltageMode};
constexpr int UnitsButton[] = {IdcAmpsUnits, IdcVoltAmpsUnits};
constexpr int ResultEdit[] = {IdcPercentDrop, IdcDropVolts, IdcFinalVoltage};
constexpr int LoadEdit[] = {IdcAmps, IdcVoltAmps};
constexpr const char* TargetName[] = {"Voltage", "Load", "Distance", "WireSize"};

class EnablementBase : public FormTest {
protected:
  void ExpectCells(int target, int mode, int units) {
    for (const SteeredControl& control : SteeredControls) {
      EXPECT_EQ(Enabled(control.id), ExpectedEnabled(control, {target, mode, units}))
          << "control " << control.id;
    }
  }
};

struct Combo {
  int target;
  int mode;
  int units;
};

class AfterTargetRule : public EnablementBase, public ::testing::WithParamInterface<Combo> {};

TEST_P(AfterTargetRule, CellsAndFocus) {
  const Combo c = GetParam();
  StartDialog();
  Click(ModeButton[c.mode]);
  Click(UnitsButton[c.units]);
  EventLog log(Dlg());
  Click(TargetButton[c.target]);

  ExpectCells(c.target, c.mode, c.units);
  EXPECT_EQ(Record().SolveFor, c.target);
  EXPECT_EQ(Record().DropMode, c.mode);
  EXPECT_EQ(Record().LoadUnits, c.units);

  const int result = ResultEdit[c.mode];
  const int load = LoadEdit[c.units];
  const int focused = c.target == engine::SolveLoad ? result : load;
  EXPECT_TRUE(FocusedAndSelected(focused));
  // Which edits the rule focused, in order.
  const std::vector<std::string> ins = log.Only("in ");
  std::vector<std::string> expected = {"in " + std::to_string(TargetButton[c.target])};
  if (c.target != engine::SolveVoltage)
    expected.push_back("in " + std::to_string(result));
  if (c.target != engine::SolveLoad)
    expected.push_back("in " + std::to_string(load));
  EXPECT_EQ(ins, expected) << log.Joined();
  // For Distance and Wire size the load edit takes the focus from the result
  // edit inside the rule.
  if (c.target == engine::SolveDistance || c.target == engine::SolveWireSize) {
    const int out = log.IndexOf("out " + std::to_string(result));
    EXPECT_GT(out, log.IndexOf("in " + std::to_string(result)));
    EXPECT_LT(out, log.IndexOf("in " + std::to_string(load)));
  }
  EXPECT_TRUE(Boxes().empty());
}

std::vector<Combo> AllCombos() {
  std::vector<Combo> all;
  for (int t = 0; t < 4; ++t)
    for (int d = 0; d < 3; ++d)
      for (int u = 0; u < 2; ++u)
        all.push_back({t, d, u});
  return all;
}

INSTANTIATE_TEST_SUITE_P(AllTargetsModesAndUnits, AfterTargetRule, ::testing::ValuesIn(AllCombos()),
                         [](const ::testing::TestParamInfo<Combo>& info) {
                           return std::string(TargetName[info.param.target]) + "_Mode" +
                                  std::to_string(info.param.mode) + "_Units" +
                                  std::to_string(info.param.units);
                         });

class LaterClicks : public EnablementBase, public ::testing::WithParamInterface<int> {};

TEST_P(LaterClicks, ChangeOnlyTheirOwnGroupAndOnlyWhenTheTargetAllows) {
  const int target = GetParam();
  StartDialog();
  Click(TargetButton[target]);
  int mode = 0;
  int units = 0;
  struct Step {
    bool isMode;
    int value;
  };
  for (const Step step : {Step{true, 1}, Step{false, 1}, Step{true, 2}, Step{false, 0},
                          Step{true, 0}, Step{false, 1}, Step{true, 1}}) {
    SCOPED_TRACE(::testing::Message() << (step.isMode ? "mode " : "units ") << step.value);
    const int button = step.isMode ? ModeButton[step.value] : UnitsButton[step.value];
    Click(button);
    (step.isMode ? mode : units) = step.value;
    ExpectCells(target, mode, units);
    const bool ruleApplies =
        step.isMode ? target != engine::SolveVoltage : target != engine::SolveLoad;
    if (ruleApplies) {
      EXPECT_TRUE(FocusedAndSelected(step.isMode ? ResultEdit[mode] : LoadEdit[units]));
    } else {
      EXPECT_TRUE(HasFocus(button));
    }
  }
  EXPECT_TRUE(Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(EachTarget, LaterClicks, ::testing::Values(0, 1, 2, 3),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::string(TargetName[info.param]);
                         });

TEST_F(EnablementBase, ModeOrUnitsWithNoButtonCheckedChangeNothing) {
  StartDialog();
  // Start: Wire size, percent drop and amps editable.
  Record().DropMode = -1;
  Dlg().WriteForm();
  Click(IdcSolveLoad);
  EXPECT_EQ(Record().DropMode, -1);
  EXPECT_TRUE(Enabled(IdcPercentDrop));
  EXPECT_FALSE(Enabled(IdcDropVolts));
  EXPECT_FALSE(Enabled(IdcFinalVoltage));
  EXPECT_FALSE(Enabled(IdcAmps));
  EXPECT_TRUE(HasFocus(IdcSolveLoad));

  Record().DropMode = engine::ModeVoltageDrop;
  Record().LoadUnits = -1;
  Dlg().WriteForm();
  Click(IdcSolveDistance);
  EXPECT_EQ(Record().LoadUnits, -1);
  EXPECT_FALSE(Enabled(IdcAmps));
  EXPECT_FALSE(Enabled(IdcVoltAmps));
  EXPECT_TRUE(Enabled(IdcDropVolts));
  EXPECT_TRUE(FocusedAndSelected(IdcDropVolts));
  EXPECT_TRUE(Boxes().empty());
}

} // namespace
} // namespace testing_ui
