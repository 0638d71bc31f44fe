// What the controls do when worked: the result-mode, load-unit and target
// rules, the system-type buttons, the distance units, the leave handlers, the
// lists and Clear.
#include "FormTestSupport.h"

#include <QSignalSpy>
#include <QTest>
#include <cmath>

namespace testing_ui {
namespace {

using namespace calculator;

// A value no solve leaves in FeetLength or EffectiveArea: while it stays,
// nothing solved.
constexpr double Untouched = 4321.5;

class Rules : public FormTest {
protected:
  void SetUp() override {
    FormTest::SetUp();
    StartDialog();
  }
  // Records the texts an edit shows, one entry per change.
  std::unique_ptr<QSignalSpy> WatchText(int id) {
    return std::make_unique<QSignalSpy>(EditOf(id), &QLineEdit::textChanged);
  }
  static QStringList Texts(const QSignalSpy& spy) {
    QStringList texts;
    for (const QList<QVariant>& args : spy)
      texts << args.at(0).toString();
    return texts;
  }
};

// --- Result modes ----------------------------------------------------------

TEST_F(Rules, FinalVoltageUnderVoltageChangesNoEnablementAndNoFocus) {
  Click(IdcSolveVoltage);
  Click(IdcFinalVoltageMode);
  EXPECT_EQ(Record().DropMode, engine::ModeFinalVoltage);
  EXPECT_FALSE(Enabled(IdcPercentDrop));
  EXPECT_FALSE(Enabled(IdcDropVolts));
  EXPECT_FALSE(Enabled(IdcFinalVoltage));
  EXPECT_TRUE(HasFocus(IdcFinalVoltageMode)); // where the click put it
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(Rules, FinalVoltageUnderLoadEnablesAndFocusesOnlyItsEdit) {
  Click(IdcSolveLoad);
  Click(IdcFinalVoltageMode);
  EXPECT_FALSE(Enabled(IdcPercentDrop));
  EXPECT_FALSE(Enabled(IdcDropVolts));
  EXPECT_TRUE(Enabled(IdcFinalVoltage));
  EXPECT_TRUE(FocusedAndSelected(IdcFinalVoltage));
  EXPECT_EQ(Text(IdcFinalVoltage), QStringLiteral("116.4"));
  EXPECT_FALSE(Enabled(IdcAmps));
  EXPECT_FALSE(Enabled(IdcVoltAmps));
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(Rules, PercentDropZeroUnderDistanceBecomesThreeWithoutASolve) {
  Click(IdcSolveDistance);
  TypeInto(IdcPercentDrop, QStringLiteral("0"));
  // Pressing the button first leaves the edit: a distance solve with no drop.
  Click(IdcPercentDropMode);
  EXPECT_EQ(Record().PercentDrop, 3.0);
  EXPECT_EQ(Text(IdcPercentDrop), QStringLiteral("3"));
  EXPECT_TRUE(FocusedAndSelected(IdcPercentDrop));
  EXPECT_FALSE(Enabled(IdcDropVolts));
  EXPECT_FALSE(Enabled(IdcFinalVoltage));
  // The rule itself does not solve: the results still belong to 0 percent.
  EXPECT_EQ(Text(IdcDropVolts), QStringLiteral("0"));
  EXPECT_EQ(Text(IdcDistance), QStringLiteral("0"));
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(Rules, PercentDropZeroUnderVoltageStaysZero) {
  Click(IdcSolveVoltage);
  TypeInto(IdcAmps, QStringLiteral("0"));
  Click(IdcPercentDropMode); // leaving amps solves: no load, no drop
  EXPECT_EQ(Record().PercentDrop, 0.0);
  EXPECT_EQ(Text(IdcPercentDrop), QStringLiteral("0"));
  EXPECT_FALSE(Enabled(IdcPercentDrop));
  EXPECT_TRUE(HasFocus(IdcPercentDropMode));
  EXPECT_TRUE(Boxes().empty());
}

// --- Load units ------------------------------------------------------------

TEST_F(Rules, VoltAmpsUnderLoadChangesNoEnablementAndNoFocus) {
  Click(IdcSolveLoad);
  ASSERT_TRUE(HasFocus(IdcPercentDrop));
  Click(IdcVoltAmpsUnits);
  EXPECT_EQ(Record().LoadUnits, engine::UnitsVoltAmps);
  EXPECT_FALSE(Enabled(IdcAmps));
  EXPECT_FALSE(Enabled(IdcVoltAmps));
  EXPECT_TRUE(Enabled(IdcPercentDrop));
  EXPECT_TRUE(HasFocus(IdcVoltAmpsUnits));
  EXPECT_TRUE(Boxes().empty());
}

// --- Targets ---------------------------------------------------------------

TEST_F(Rules, WireSizeWhileSolvingForDistance) {
  Click(IdcSolveDistance);
  ASSERT_FALSE(Enabled(IdcDistance));
  ASSERT_EQ(ListText(IdcWireSize), QStringLiteral("No. 8"));
  // No load: leaving amps solves the distance to 0, and a wire-size solve
  // then needs the smallest area there is.
  TypeInto(IdcAmps, QStringLiteral("0"));
  Click(IdcSolveWireSize);
  EXPECT_FALSE(Enabled(IdcWireSize));
  EXPECT_TRUE(Enabled(IdcDistance));
  EXPECT_TRUE(Enabled(IdcPercentDrop));
  EXPECT_TRUE(Enabled(IdcAmps));
  EXPECT_TRUE(FocusedAndSelected(IdcAmps));
  EXPECT_EQ(Text(IdcDistance), QStringLiteral("0"));
  EXPECT_EQ(Record().WireSize, 0);
  EXPECT_EQ(ListText(IdcWireSize), QStringLiteral("No. 40"));
  EXPECT_TRUE(Boxes().empty());
}

// --- System type -----------------------------------------------------------

TEST_F(Rules, ThreeUnderDcPutsSingleBackWithoutASolve) {
  Click(IdcDc);
  Record().FeetLength = Untouched;
  Click(IdcThree);
  EXPECT_TRUE(Checked(IdcSingle));
  EXPECT_FALSE(Checked(IdcThree));
  EXPECT_TRUE(Checked(IdcDc));
  EXPECT_EQ(Record().Phase, 0);
  EXPECT_EQ(Record().PhaseMultiplier, 2.0);
  EXPECT_EQ(Record().LoadFactor, 1.0);
  EXPECT_EQ(Record().FeetLength, Untouched);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(Rules, DcUnderThreeSolvesSinglePhaseWithTheDcFactor) {
  Click(IdcSolveVoltage);
  Click(IdcAluminumConductor);
  Click(IdcAluminumRaceway);
  Select(IdcWireSize, 26); // "250 kcm": its AC factor differs from the DC one
  Click(IdcThree);
  ASSERT_EQ(Record().PhaseMultiplier, std::sqrt(3.0));
  Record().FeetLength = Untouched;
  Click(IdcDc);
  EXPECT_TRUE(Checked(IdcSingle));
  EXPECT_FALSE(Checked(IdcThree));
  EXPECT_EQ(Record().PhaseMultiplier, 2.0);
  EXPECT_EQ(Record().LoadFactor, 1.0);
  EXPECT_EQ(Record().KFactor, 21.2);
  EXPECT_EQ(Record().FeetLength, 100.0);
  // 21.2 x 2 x 100 ft x 16 A / 250000 cmil = 0.27136 V of 120 V.
  EXPECT_EQ(Text(IdcDropVolts), QStringLiteral("0.27136"));
  EXPECT_EQ(Text(IdcPercentDrop), QStringLiteral("0.226133333333333"));
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(Rules, AcAfterDcKeepsSingleUntilThreeIsChosen) {
  Click(IdcDc);
  Click(IdcAc);
  EXPECT_TRUE(Checked(IdcSingle));
  EXPECT_EQ(Record().PhaseMultiplier, 2.0);
  Click(IdcThree);
  EXPECT_TRUE(Checked(IdcThree));
  EXPECT_EQ(Record().PhaseMultiplier, std::sqrt(3.0));
  EXPECT_EQ(Record().LoadFactor, std::sqrt(3.0));
  EXPECT_TRUE(Boxes().empty());
}

// --- Distance units --------------------------------------------------------

TEST_F(Rules, FeetAndMetersShowTheLastLengthWithoutASolve) {
  // A click from an edit would leave it, and that solves.
  ASSERT_EQ(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr);
  ASSERT_EQ(Record().FeetLength, 100.0);
  Record().EffectiveArea = Untouched;
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    Click(IdcMeters);
    EXPECT_EQ(Text(IdcDistance), QStringLiteral("30.47999902464"));
    EXPECT_EQ(Record().DistanceUnits, engine::UnitsMeters);
    Click(IdcFeet);
    EXPECT_EQ(Text(IdcDistance), QStringLiteral("100"));
    EXPECT_EQ(Record().DistanceUnits, engine::UnitsFeet);
  }
  EXPECT_EQ(Record().FeetLength, 100.0);
  EXPECT_EQ(Record().EffectiveArea, Untouched);
  EXPECT_TRUE(Boxes().empty());
}

// --- Leave handlers --------------------------------------------------------

TEST_F(Rules, DropVoltsAboveVoltageIsClampedAndShownBeforeTheSolve) {
  Click(IdcSolveLoad);
  Click(IdcVoltageDropMode);
  TypeInto(IdcDropVolts, QStringLiteral("150"));
  QStringList seen;
  m_boxes.OnBox([&](const SeenBox&) {
    seen << Text(IdcDropVolts) + "|" + Text(IdcPercentDrop) + "|" + Text(IdcFinalVoltage);
  });
  Leave();
  const std::vector<SeenBox> boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  // 120 V dropped is 100 percent, above the percent edit's range.
  EXPECT_TRUE(IsRangeBox(boxes[0], QStringLiteral("0"), QStringLiteral("99.9999")));
  EXPECT_EQ(seen, QStringList{QStringLiteral("120|100|0")});
  EXPECT_EQ(Record().DropVolts, 120.0);
  EXPECT_EQ(Record().PercentDrop, 100.0);
  EXPECT_EQ(Record().FinalVoltage, 0.0);
  // The load for 120 V: 120 x 11466.67 cmil / (12.9 x 2 x 100 ft), not 150 V's 666.67 A.
  EXPECT_EQ(Text(IdcAmps), QStringLiteral("533.333333333333"));
}

TEST_F(Rules, FinalVoltageAboveVoltageUnderLoadLeavesNoDropAndNoLoad) {
  Click(IdcSolveLoad);
  Click(IdcFinalVoltageMode);
  TypeInto(IdcFinalVoltage, QStringLiteral("130"));
  Leave();
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(Text(IdcFinalVoltage), QStringLiteral("120"));
  EXPECT_EQ(Text(IdcDropVolts), QStringLiteral("0"));
  EXPECT_EQ(Text(IdcPercentDrop), QStringLiteral("0"));
  EXPECT_EQ(Text(IdcAmps), QStringLiteral("0"));
  EXPECT_EQ(Text(IdcVoltAmps), QStringLiteral("0"));
  EXPECT_EQ(Record().FinalVoltage, 120.0);
  EXPECT_EQ(Record().Amps, 0.0);
  EXPECT_EQ(Record().DropMode, engine::ModeFinalVoltage);
  EXPECT_TRUE(Checked(IdcFinalVoltageMode));
}

TEST_F(Rules, TextThatIsNotANumberIsReportedTwiceThenTheOldValueShows) {
  Click(IdcSolveVoltage);
  Click(IdcVoltAmpsUnits);
  ASSERT_EQ(Text(IdcVoltAmps), QStringLiteral("1920"));
  TypeInto(IdcVoltAmps, QStringLiteral("12x"));
  QStringList seen;
  m_boxes.OnBox([&](const SeenBox&) { seen << Text(IdcVoltAmps); });
  Leave();
  const std::vector<SeenBox> boxes = Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_TRUE(IsNotANumberBox(boxes[0]));
  EXPECT_TRUE(IsNotANumberBox(boxes[1]));
  EXPECT_EQ(seen, (QStringList{QStringLiteral("12x"), QStringLiteral("12x")}));
  EXPECT_EQ(Text(IdcVoltAmps), QStringLiteral("1920"));
  EXPECT_EQ(Record().VoltAmps, 1920.0);
  // The solve went on with the old load: the allowed 3 percent again.
  EXPECT_EQ(Text(IdcAmps), QStringLiteral("16"));
  EXPECT_EQ(Text(IdcPercentDrop), QStringLiteral("3"));
}

TEST_F(Rules, NegativeDistanceIsReportedThenShownAsZero) {
  // Only a paste of the program's own kind gets a sign past the digit filter.
  TypeInto(IdcDistance, QStringLiteral("-5"), true);
  Leave();
  const std::vector<SeenBox> boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(IsRangeBox(boxes[0], QStringLiteral("0"), QStringLiteral("1000000")));
  EXPECT_EQ(Text(IdcDistance), QStringLiteral("0"));
  EXPECT_EQ(Record().Distance, 0.0);
  EXPECT_EQ(Record().FeetLength, 0.0);
  // No length needs no area: the smallest size.
  EXPECT_EQ(ListText(IdcWireSize), QStringLiteral("No. 40"));
}

TEST_F(Rules, LeavingVoltageKeepsTheFinalVoltage) {
  TypeInto(IdcVoltage, QStringLiteral("240"));
  Leave();
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(Text(IdcFinalVoltage), QStringLiteral("116.4"));
  EXPECT_EQ(Text(IdcDropVolts), QStringLiteral("123.6"));
  EXPECT_EQ(Text(IdcPercentDrop), QStringLiteral("51.5"));
  EXPECT_TRUE(Checked(IdcPercentDropMode));
  // 12.9 x 2 x 16 A x 100 ft / 123.6 V = 334 cmil: "No. 24" (404).
  EXPECT_EQ(ListText(IdcWireSize), QStringLiteral("No. 24"));
}

TEST_F(Rules, LeavingTheConductorsListSolvesLeavingTheWireSizeListDoesNot) {
  Click(IdcSolveVoltage);
  FocusOn(IdcWireSize);
  Record().FeetLength = Untouched;
  Leave();
  EXPECT_EQ(Record().FeetLength, Untouched);
  FocusOn(IdcConductors);
  Record().FeetLength = Untouched;
  Leave();
  EXPECT_EQ(Record().FeetLength, 100.0);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(Rules, OpeningTheListsPopupIsNotLeavingIt) {
  FocusOn(IdcConductors);
  Record().FeetLength = Untouched;
  ListOf(IdcConductors)->showPopup();
  Settle();
  ListOf(IdcConductors)->hidePopup();
  Settle();
  EXPECT_EQ(Record().FeetLength, Untouched);
  Leave();
  EXPECT_EQ(Record().FeetLength, 100.0);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(Rules, EnterCalculatesAndKeepsTheDialogOpen) {
  TypeInto(IdcAmps, QStringLiteral("32"));
  QTest::keyClick(EditOf(IdcAmps), Qt::Key_Return);
  Settle();
  EXPECT_TRUE(Dlg().isVisible());
  EXPECT_TRUE(HasFocus(IdcAmps));
  // 12.9 x 2 x 32 A x 100 ft / 3.6 V = 22933 cmil: "No. 6" (26240).
  EXPECT_EQ(ListText(IdcWireSize), QStringLiteral("No. 6"));
  EXPECT_TRUE(Boxes().empty());
}

// --- Lists -----------------------------------------------------------------

TEST_F(Rules, SecondConductorUnderVoltageHalvesTheDropOnTheSecondSolve) {
  Click(IdcSolveVoltage);
  TypeInto(IdcAmps, QStringLiteral("20"));
  Leave();
  Select(IdcWireSize, 14); // "No. 12", 6530 cmil
  EXPECT_DOUBLE_EQ(Record().DropVolts, 7.9019908116385915);
  EXPECT_DOUBLE_EQ(Record().PercentDrop, 6.584992343032161);
  EXPECT_DOUBLE_EQ(Record().FinalVoltage, 112.0980091883614);
  const auto dropTexts = WatchText(IdcDropVolts);
  const auto percentTexts = WatchText(IdcPercentDrop);
  FocusOn(IdcConductors);
  QTest::keyClick(ListOf(IdcConductors), Qt::Key_Down);
  Settle();
  ASSERT_EQ(ListText(IdcConductors), QStringLiteral("2"));
  EXPECT_DOUBLE_EQ(Record().DropVolts, 7.9019908116385915 / 2);
  EXPECT_DOUBLE_EQ(Record().EffectiveArea, 13060.0);
  // The first solve repeats the old result, so each edit changes only once.
  EXPECT_EQ(Texts(*dropTexts), QStringList{QStringLiteral("3.9509954058193")});
  EXPECT_EQ(Texts(*percentTexts), QStringList{QStringLiteral("3.29249617151608")});
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(Rules, ListSelectionSolvesTwice) {
  TypeInto(IdcDistance, QStringLiteral("1000000"));
  Leave();
  ASSERT_EQ(Boxes().size(), 1u); // no size carries 16 A that far
  // Each solve of the selection warns once.
  Select(IdcConductors, 1);
  const std::vector<SeenBox> boxes = Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_TRUE(IsWireSizeWarning(boxes[0]));
  EXPECT_TRUE(IsWireSizeWarning(boxes[1]));
  EXPECT_EQ(ListText(IdcWireSize), QStringLiteral("750 kcm"));
  TypeInto(IdcDistance, QStringLiteral("100"));
  Leave();
  EXPECT_TRUE(Boxes().empty());
}

// --- Clear -----------------------------------------------------------------

class Clear : public Rules, public ::testing::WithParamInterface<bool> {};

TEST_P(Clear, PutsBackTheClearFormKeepingTheDistanceUnits) {
  const bool meters = GetParam();
  // Move as much as possible away from the defaults first.
  Click(IdcSolveVoltage);
  Click(IdcAluminumConductor);
  Click(IdcNonMetal);
  Click(IdcThree);
  Click(IdcVoltAmpsUnits);
  Click(IdcFinalVoltageMode);
  Select(IdcConductors, 2);
  TypeInto(IdcVoltage, QStringLiteral("240"));
  TypeInto(IdcVoltAmps, QStringLiteral("5000"));
  if (meters)
    Click(IdcMeters);
  else
    Leave();
  ASSERT_TRUE(Boxes().empty());

  Click(IdcClear);

  EXPECT_TRUE(Boxes().empty());
  for (const int on : {IdcSolveWireSize, IdcSingle, IdcCopper, IdcAc, IdcSteel, IdcPercentDropMode,
                       IdcAmpsUnits, meters ? IdcMeters : IdcFeet})
    EXPECT_TRUE(Checked(on)) << on;
  for (const int off :
       {IdcSolveVoltage, IdcSolveLoad, IdcSolveDistance, IdcThree, IdcAluminumConductor, IdcDc,
        IdcAluminumRaceway, IdcNonMetal, IdcVoltageDropMode, IdcFinalVoltageMode, IdcVoltAmpsUnits,
        meters ? IdcFeet : IdcMeters})
    EXPECT_FALSE(Checked(off)) << off;
  EXPECT_EQ(Text(IdcVoltage), QStringLiteral("120"));
  EXPECT_EQ(Text(IdcDistance), QStringLiteral("100"));
  EXPECT_EQ(Text(IdcAmps), QStringLiteral("16"));
  EXPECT_EQ(Text(IdcVoltAmps), QStringLiteral("1920"));
  EXPECT_EQ(Text(IdcPercentDrop), QStringLiteral("3"));
  EXPECT_EQ(Text(IdcDropVolts), QStringLiteral("3.6"));
  EXPECT_EQ(Text(IdcFinalVoltage), QStringLiteral("116.4"));
  EXPECT_EQ(ListText(IdcConductors), QStringLiteral("1"));
  // 100 m is 328.084 ft: 12.9 x 2 x 16 A x 328.084 ft / 3.6 V = 37620 cmil.
  EXPECT_EQ(ListText(IdcWireSize), meters ? QStringLiteral("No. 4") : QStringLiteral("No. 8"));
  EXPECT_DOUBLE_EQ(Record().FeetLength, meters ? 328.084 : 100.0);
  EXPECT_EQ(Record().DistanceUnits, meters ? engine::UnitsMeters : engine::UnitsFeet);
  EXPECT_EQ(Record().PhaseMultiplier, 2.0);
  EXPECT_EQ(Record().LoadFactor, 1.0);
  EXPECT_EQ(Record().KFactor, 12.9);

  EXPECT_TRUE(Enabled(IdcAmps));
  EXPECT_FALSE(Enabled(IdcVoltAmps));
  EXPECT_TRUE(Enabled(IdcPercentDrop));
  EXPECT_FALSE(Enabled(IdcDropVolts));
  EXPECT_FALSE(Enabled(IdcFinalVoltage));
  EXPECT_FALSE(Enabled(IdcWireSize));
  EXPECT_TRUE(Enabled(IdcDistance));
  EXPECT_TRUE(FocusedAndSelected(IdcAmps));
}

INSTANTIATE_TEST_SUITE_P(FeetAndMeters, Clear, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "Meters" : "Feet";
                         });

} // namespace
} // namespace testing_ui
