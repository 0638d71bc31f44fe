// Handlers that run inside other handlers: a leave handler in the middle of a
// target rule or of Clear, the leave of a click's previous focus before the
// click, and the wire-size warning that takes the focus from an edit or list
// whose leave handler warns again.
#include "FormTestSupport.h"
#include "ModalWatcher.h"

#include <QTest>

namespace testing_ui {
namespace {

using namespace calculator;

// Real boxes here: what they do to the focus is the point.
class Nesting : public FormTest {
protected:
  void SetUp() override {
    FormTest::SetUp();
    m_boxes.Stop();
    StartDialog();
  }
  void TearDown() override {
    m_dlg.reset();
    Settle();
    m_real.Take();
    FormTest::TearDown();
  }
  std::vector<SeenBox> Boxes() { return m_real.Take(); }
  ModalWatcher m_real;
  // Logs each box with what the form showed while it was open.
  void LogBoxes(EventLog& log) {
    m_real.OnBox([this, &log](QMessageBox&) {
      log.Add("box distance=" + std::string(Enabled(IdcDistance) ? "on" : "off") +
              " list=" + ListText(IdcWireSize).toStdString() +
              " open=" + std::to_string(ModalWatcher::OpenBoxes()));
    });
  }
  // Every box so far was the wire-size warning; returns how many there were.
  std::size_t CountWarnings() {
    const std::vector<SeenBox> boxes = Boxes();
    for (const SeenBox& box : boxes)
      EXPECT_TRUE(IsWireSizeWarning(box));
    return boxes.size();
  }
};

TEST_F(Nesting, LeaveHandlerRunsBetweenTheFocusStepsOfTheWireSizeRule) {
  Click(IdcSolveDistance);
  Click(IdcVoltageDropMode);
  // No allowed drop: a wire-size solve finds no size and warns. The edit
  // keeps the focus, so its leave comes from the rule's own focus steps.
  TypeInto(IdcDropVolts, QStringLiteral("0"));
  EventLog log(Dlg());
  LogBoxes(log);
  Activate(IdcSolveWireSize);

  // 1. The result edit loses the focus to the load edit inside the rule, and
  //    its leave handler solves and warns before the rule enables distance.
  // 2. The rule's own solve warns; that box takes the focus from the load
  //    edit, whose leave handler warns once more from inside it.
  // Boxes are logged as they are answered, so the inner one comes first.
  EXPECT_EQ(CountWarnings(), 3u) << log.Joined();
  const std::vector<std::string> boxes = log.Only("box ");
  EXPECT_EQ(boxes, (std::vector<std::string>{"box distance=off list=No. 8 open=1",
                                             "box distance=on list=750 kcm open=2",
                                             "box distance=on list=750 kcm open=1"}))
      << log.Joined();
  ASSERT_FALSE(boxes.empty());
  const int leave = log.IndexOf("out " + std::to_string(IdcDropVolts));
  ASSERT_GE(leave, 0) << log.Joined();
  EXPECT_LT(leave, log.IndexOf(boxes.front())) << log.Joined();
  EXPECT_EQ(m_real.MaxOpen(), 2);
  EXPECT_EQ(m_real.InactiveAnswers(), 0) << "a box was left inactive";

  EXPECT_EQ(Record().WireSize, 33);
  EXPECT_FALSE(Enabled(IdcWireSize));
  EXPECT_TRUE(Enabled(IdcDistance));
  EXPECT_TRUE(Enabled(IdcDropVolts));
  EXPECT_TRUE(FocusedAndSelected(IdcAmps));
  EXPECT_TRUE(Dlg().isActiveWindow());

  // Leaving amps still solves with no allowed drop; then a drop is given.
  TypeInto(IdcDropVolts, QStringLiteral("3.6"));
  EXPECT_EQ(CountWarnings(), 1u);
  Leave();
  EXPECT_EQ(CountWarnings(), 0u);
  EXPECT_EQ(ListText(IdcWireSize), QStringLiteral("No. 8"));
}

TEST_F(Nesting, ClearRunsLeaveHandlersBetweenItsFocusSteps) {
  EventLog log(Dlg());
  Click(IdcClear);
  std::vector<std::string> steps;
  for (const std::string& e : log.Entries()) {
    if (e.ends_with(std::to_string(IdcPercentDrop)) || e.ends_with(std::to_string(IdcAmps)))
      steps.push_back(e);
  }
  // Result-mode rule, load-unit rule, then the wire-size rule's two steps.
  EXPECT_EQ(steps, (std::vector<std::string>{"in 1016", "out 1016", "in 1010", "out 1010",
                                             "in 1016", "out 1016", "in 1010"}))
      << log.Joined();
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(Nesting, ClickLeavesTheEditBeforeItsOwnSequence) {
  TypeInto(IdcDistance, QStringLiteral("50"));
  Click(IdcMeters);
  // The leave normalised 50 ft and solved; only then did Meters show that
  // length in meters (from the old 100 ft it would read 30.48).
  EXPECT_EQ(Text(IdcDistance), QStringLiteral("15.23999951232"));
  EXPECT_EQ(Record().FeetLength, 50.0);
  // 12.9 x 2 x 16 A x 50 ft / 3.6 V = 5733 cmil: "No. 12" (6530).
  EXPECT_EQ(ListText(IdcWireSize), QStringLiteral("No. 12"));
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(Nesting, WarningFromALeaveByTabShowsOnce) {
  TypeInto(IdcPercentDrop, QStringLiteral("0"));
  QTest::keyClick(EditOf(IdcPercentDrop), Qt::Key_Tab);
  Settle();
  // The box takes the focus from the control being tabbed to, which has no
  // leave handler of its own to run yet.
  EXPECT_EQ(CountWarnings(), 1u);
  EXPECT_EQ(m_real.InactiveAnswers(), 0);
  EXPECT_EQ(ListText(IdcWireSize), QStringLiteral("750 kcm"));
  EXPECT_TRUE(Dlg().isActiveWindow());
  EXPECT_FALSE(HasFocus(IdcPercentDrop));

  TypeInto(IdcPercentDrop, QStringLiteral("3"));
  Leave();
  EXPECT_EQ(CountWarnings(), 0u);
  EXPECT_EQ(ListText(IdcWireSize), QStringLiteral("No. 8"));
}

TEST_F(Nesting, WarningTakingTheFocusFromAnEditWarnsAgainOnceInside) {
  TypeInto(IdcPercentDrop, QStringLiteral("0"));
  // Enter calculates without moving the focus; the warning then takes the
  // focus from the edit, whose leave handler solves and warns once more.
  QTest::keyClick(EditOf(IdcPercentDrop), Qt::Key_Return);
  Settle();
  EXPECT_EQ(CountWarnings(), 2u);
  EXPECT_EQ(m_real.MaxOpen(), 2);
  EXPECT_EQ(m_real.InactiveAnswers(), 0) << "a box was left inactive";
  EXPECT_TRUE(Dlg().isVisible());
  EXPECT_TRUE(Dlg().isActiveWindow());
  EXPECT_TRUE(HasFocus(IdcPercentDrop));
  EXPECT_EQ(ListText(IdcWireSize), QStringLiteral("750 kcm"));

  // The dialog works as before.
  TypeInto(IdcPercentDrop, QStringLiteral("3"));
  QTest::keyClick(EditOf(IdcPercentDrop), Qt::Key_Return);
  Settle();
  EXPECT_EQ(CountWarnings(), 0u);
  EXPECT_EQ(ListText(IdcWireSize), QStringLiteral("No. 8"));
  Leave();
  EXPECT_EQ(CountWarnings(), 0u);
}

TEST_F(Nesting, WarningTakingTheFocusFromAListNestsAtMostTwoDeep) {
  TypeInto(IdcDistance, QStringLiteral("1000000"));
  Leave();
  ASSERT_EQ(CountWarnings(), 1u);
  FocusOn(IdcConductors);
  // A new count from the keyboard solves twice. Each warning takes the focus
  // from the list, whose leave handler solves twice more; those inner
  // warnings take it from a box and run nothing.
  QTest::keyClick(ListOf(IdcConductors), Qt::Key_Down);
  Settle();
  EXPECT_EQ(CountWarnings(), 6u);
  EXPECT_EQ(m_real.MaxOpen(), 2);
  EXPECT_EQ(m_real.InactiveAnswers(), 0) << "a box was left inactive";
  EXPECT_TRUE(Dlg().isActiveWindow());
  EXPECT_TRUE(HasFocus(IdcConductors));
  EXPECT_EQ(ListText(IdcConductors), QStringLiteral("2"));

  // Leaving the list solves twice more, and then a short run needs no box.
  Leave();
  EXPECT_EQ(CountWarnings(), 2u);
  TypeInto(IdcDistance, QStringLiteral("100"));
  Leave();
  EXPECT_EQ(CountWarnings(), 0u);
  // Two conductors of "No. 12" (2 x 6530) carry what one needs 11467 cmil for.
  EXPECT_EQ(ListText(IdcWireSize), QStringLiteral("No. 12"));
}

} // namespace
} // namespace testing_ui
