// Reading and writing the form: the exchange order and what a failed step
// leaves behind, the ranges, parsing and printing through the edits, radio
// groups and lists, and the digits-only edits.
#include "FormTestSupport.h"

#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QTest>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace testing_ui {
namespace {

using namespace calculator;
using engine::CalcState;

constexpr double Inf = std::numeric_limits<double>::infinity();

struct Field {
  const char* name;
  int CalcState::*intField;
  double CalcState::*doubleField;
  int editId; // numeric fields only
  const char* min;
  const char* max;
};

// The exchange order.
const Field Order[] = {
    {"DropMode", &CalcState::DropMode, nullptr, 0, nullptr, nullptr},
    {"Phase", &CalcState::Phase, nullptr, 0, nullptr, nullptr},
    {"Material", &CalcState::Material, nullptr, 0, nullptr, nullptr},
    {"SolveFor", &CalcState::SolveFor, nullptr, 0, nullptr, nullptr},
    {"LoadUnits", &CalcState::LoadUnits, nullptr, 0, nullptr, nullptr},
    {"Distance", nullptr, &CalcState::Distance, IdcDistance, "0", "1000000"},
    {"VoltAmps", nullptr, &CalcState::VoltAmps, IdcVoltAmps, "0", "100000000000"},
    {"PercentDrop", nullptr, &CalcState::PercentDrop, IdcPercentDrop, "0", "99.9999"},
    {"FinalVoltage", nullptr, &CalcState::FinalVoltage, IdcFinalVoltage, "0", "1000000"},
    {"DropVolts", nullptr, &CalcState::DropVolts, IdcDropVolts, "0", "1000000"},
    {"Amps", nullptr, &CalcState::Amps, IdcAmps, "0", "100000"},
    {"WireSize", &CalcState::WireSize, nullptr, 0, nullptr, nullptr},
    {"DistanceUnits", &CalcState::DistanceUnits, nullptr, 0, nullptr, nullptr},
    {"Voltage", nullptr, &CalcState::Voltage, IdcVoltage, "1", "1000000"},
    {"Current", &CalcState::Current, nullptr, 0, nullptr, nullptr},
    {"Raceway", &CalcState::Raceway, nullptr, 0, nullptr, nullptr},
    {"ConductorsIndex", &CalcState::ConductorsIndex, nullptr, 0, nullptr, nullptr},
};

double Value(const CalcState& s, const Field& f) {
  return f.intField != nullptr ? s.*f.intField : s.*f.doubleField;
}

const Field& FieldOf(int editId) {
  for (const Field& f : Order) {
    if (f.editId == editId)
      return f;
  }
  throw std::logic_error("no such edit");
}

// What the form shows, and what the record holds before a read: every field
// differs between the two, so each field tells whether it was read.
CalcState Shown() {
  CalcState s;
  s.DropMode = 1, s.Phase = 1, s.Material = 1, s.SolveFor = 0, s.LoadUnits = 1;
  s.Distance = 11, s.VoltAmps = 12, s.PercentDrop = 13, s.FinalVoltage = 14, s.DropVolts = 15;
  s.Amps = 16.5, s.WireSize = 5, s.DistanceUnits = 1, s.Voltage = 240, s.Current = 1;
  s.Raceway = 2, s.ConductorsIndex = 3;
  return s;
}

CalcState Held() {
  CalcState s;
  s.DropMode = 2, s.Phase = 0, s.Material = 0, s.SolveFor = 2, s.LoadUnits = 0;
  s.Distance = 21, s.VoltAmps = 22, s.PercentDrop = 23, s.FinalVoltage = 24, s.DropVolts = 25;
  s.Amps = 26, s.WireSize = 7, s.DistanceUnits = 0, s.Voltage = 250, s.Current = 0;
  s.Raceway = 1, s.ConductorsIndex = 6;
  return s;
}

class ExchangeTest : public FormTest {
protected:
  void SetUp() override {
    FormTest::SetUp();
    StartDialog();
    m_start = Record();
  }
  void Show(const CalcState& s) {
    Record() = s;
    Dlg().WriteForm();
  }
  // Puts the start values back on the form, so no later leave handler meets
  // a value a test left behind.
  void Restore() { Show(m_start); }

  CalcState m_start;
};

TEST_F(ExchangeTest, ReadTakesEveryFieldFromTheForm) {
  Show(Shown());
  Record() = Held();
  EXPECT_TRUE(Dlg().ReadForm());
  for (const Field& f : Order)
    EXPECT_EQ(Value(Record(), f), Value(Shown(), f)) << f.name;
  Restore();
}

struct FailCase {
  int editId;
  const char* text;
  bool outOfRange; // else not a number
  double stored;   // what an out-of-range read leaves in the field
};

void PrintTo(const FailCase& c, std::ostream* os) {
  *os << FieldOf(c.editId).name << " \"" << c.text << '"';
}

class FailedStep : public ExchangeTest, public ::testing::WithParamInterface<FailCase> {};

TEST_P(FailedStep, StepsBeforeReadStepsAfterKeepTheirValues) {
  const FailCase& c = GetParam();
  Show(Shown());
  EditOf(c.editId)->setText(QString::fromUtf8(c.text));
  Record() = Held();

  EXPECT_FALSE(Dlg().ReadForm());

  const std::vector<SeenBox> boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  const Field& failing = FieldOf(c.editId);
  if (c.outOfRange)
    EXPECT_TRUE(
        IsRangeBox(boxes[0], QString::fromUtf8(failing.min), QString::fromUtf8(failing.max)));
  else {
    EXPECT_TRUE(IsNotANumberBox(boxes[0]));
  }
  bool before = true;
  for (const Field& f : Order) {
    SCOPED_TRACE(f.name);
    if (&f == &failing) {
      before = false;
      // The range test follows the store; text that is not a number stores nothing.
      EXPECT_EQ(Value(Record(), f), c.outOfRange ? c.stored : Value(Held(), f));
    } else {
      EXPECT_EQ(Value(Record(), f), Value(before ? Shown() : Held(), f));
    }
  }
  if (Enabled(c.editId)) {
    EXPECT_TRUE(FocusedAndSelected(c.editId));
  }
  Restore();
}

INSTANTIATE_TEST_SUITE_P(
    EachEdit, FailedStep,
    ::testing::Values(
        FailCase{IdcDistance, "1000001", true, 1000001}, FailCase{IdcDistance, "12abc", false, 0},
        FailCase{IdcVoltAmps, "100000000001", true, 100000000001},
        FailCase{IdcVoltAmps, "", false, 0}, FailCase{IdcPercentDrop, "100", true, 100},
        FailCase{IdcPercentDrop, ".0", false, 0},
        FailCase{IdcFinalVoltage, "1000001", true, 1000001},
        FailCase{IdcFinalVoltage, "0x10", false, 0}, FailCase{IdcDropVolts, "-1", true, -1},
        FailCase{IdcDropVolts, "nan", false, 0}, FailCase{IdcAmps, "100001", true, 100001},
        FailCase{IdcAmps, "inf", false, 0}, FailCase{IdcVoltage, "0.5", true, 0.5},
        FailCase{IdcVoltage, "-0", false, 0}));

struct BoundCase {
  int editId;
  const char* text;
  bool accepted;
  double value;
};

void PrintTo(const BoundCase& c, std::ostream* os) {
  *os << FieldOf(c.editId).name << " \"" << c.text << '"';
}

class Bounds : public ExchangeTest, public ::testing::WithParamInterface<BoundCase> {};

TEST_P(Bounds, ClosedRangeOnReading) {
  const BoundCase& c = GetParam();
  const Field& f = FieldOf(c.editId);
  EditOf(c.editId)->setText(QString::fromUtf8(c.text));
  EXPECT_EQ(Dlg().ReadForm(), c.accepted);
  EXPECT_EQ(Record().*f.doubleField, c.value);
  const std::vector<SeenBox> boxes = Boxes();
  if (c.accepted) {
    EXPECT_TRUE(boxes.empty());
  } else {
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(IsRangeBox(boxes[0], QString::fromUtf8(f.min), QString::fromUtf8(f.max)));
    if (Enabled(c.editId)) {
      EXPECT_TRUE(FocusedAndSelected(c.editId));
    }
  }
  Restore();
}

INSTANTIATE_TEST_SUITE_P(Edges, Bounds,
                         ::testing::Values(BoundCase{IdcPercentDrop, "99.9999", true, 99.9999},
                                           BoundCase{IdcPercentDrop, "100", false, 100},
                                           BoundCase{IdcPercentDrop, "0", true, 0},
                                           BoundCase{IdcVoltage, "1", true, 1},
                                           BoundCase{IdcVoltage, "0.5", false, 0.5},
                                           BoundCase{IdcVoltage, "1000000", true, 1e6},
                                           BoundCase{IdcVoltage, "1000000.5", false, 1000000.5},
                                           BoundCase{IdcDistance, "1000000", true, 1e6},
                                           BoundCase{IdcDistance, "1000001", false, 1000001},
                                           BoundCase{IdcDistance, "0", true, 0},
                                           BoundCase{IdcVoltAmps, "100000000000", true, 1e11},
                                           BoundCase{IdcAmps, "100000", true, 1e5},
                                           BoundCase{IdcAmps, "100000.5", false, 100000.5},
                                           BoundCase{IdcFinalVoltage, "1000000", true, 1e6},
                                           BoundCase{IdcDropVolts, "0", true, 0},
                                           BoundCase{IdcDropVolts, "-0.5", false, -0.5}));

enum class Outcome { Number, NotANumber, OutOfRange };

struct ParseCase {
  const char* text;
  Outcome outcome;
  double value; // Number and OutOfRange
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ParsedText : public ExchangeTest, public ::testing::WithParamInterface<ParseCase> {};

TEST_P(ParsedText, AmpsEditReadsOneNumber) {
  const ParseCase& c = GetParam();
  const double before = Record().Amps;
  EditOf(IdcAmps)->setText(QString::fromUtf8(c.text));
  EXPECT_EQ(Dlg().ReadForm(), c.outcome == Outcome::Number);
  const std::vector<SeenBox> boxes = Boxes();
  switch (c.outcome) {
  case Outcome::Number:
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Record().Amps, c.value);
    break;
  case Outcome::NotANumber:
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(IsNotANumberBox(boxes[0]));
    EXPECT_EQ(Record().Amps, before);
    EXPECT_TRUE(FocusedAndSelected(IdcAmps));
    break;
  case Outcome::OutOfRange:
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(IsRangeBox(boxes[0], QStringLiteral("0"), QStringLiteral("100000")));
    EXPECT_EQ(Record().Amps, c.value);
    EXPECT_TRUE(FocusedAndSelected(IdcAmps));
    break;
  }
  Restore();
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParsedText,
    ::testing::Values(
        ParseCase{" \t12\t ", Outcome::Number, 12}, ParseCase{"12.5e1", Outcome::Number, 125},
        ParseCase{"0", Outcome::Number, 0}, ParseCase{"0.0", Outcome::Number, 0},
        ParseCase{"", Outcome::NotANumber, 0}, ParseCase{"  ", Outcome::NotANumber, 0},
        ParseCase{"12abc", Outcome::NotANumber, 0}, ParseCase{"0x10", Outcome::NotANumber, 0},
        ParseCase{"inf", Outcome::NotANumber, 0}, ParseCase{"nan", Outcome::NotANumber, 0},
        ParseCase{".0", Outcome::NotANumber, 0}, ParseCase{"-0", Outcome::NotANumber, 0},
        ParseCase{"1e400", Outcome::OutOfRange, Inf}));

TEST_F(ExchangeTest, PrintsFifteenSignificantDigits) {
  const std::pair<double, const char*> cases[] = {
      {100, "100"},
      {3, "3"},
      {1.0 / 3.0, "0.333333333333333"},
      {1e15, "1e+15"},
      {12.5, "12.5"},
      {Inf, "inf"},
      {-Inf, "-inf"},
      {std::numeric_limits<double>::quiet_NaN(), "undefined"},
  };
  for (const auto& [value, text] : cases) {
    SCOPED_TRACE(text);
    Record().PercentDrop = value;
    Dlg().WriteForm();
    EXPECT_EQ(Text(IdcPercentDrop), QString::fromUtf8(text));
    EXPECT_TRUE(Boxes().empty()); // writing never complains
  }
  Restore();
}

TEST_F(ExchangeTest, NonFiniteTextReadsBackAsNotANumber) {
  for (const double value : {Inf, -Inf, std::numeric_limits<double>::quiet_NaN()}) {
    SCOPED_TRACE(value);
    Record().Amps = value;
    Dlg().WriteForm();
    Record().Amps = 7;
    EXPECT_FALSE(Dlg().ReadForm());
    const std::vector<SeenBox> boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(IsNotANumberBox(boxes[0]));
    EXPECT_EQ(Record().Amps, 7);
    EXPECT_TRUE(FocusedAndSelected(IdcAmps));
  }
  Restore();
}

TEST_F(ExchangeTest, ComputedValueAboveRangeIsShownThenReported) {
  Record().Amps = 250000;
  Dlg().WriteForm();
  EXPECT_EQ(Text(IdcAmps), QStringLiteral("250000"));
  EXPECT_TRUE(Boxes().empty());
  EXPECT_FALSE(Dlg().ReadForm());
  const std::vector<SeenBox> boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(IsRangeBox(boxes[0], QStringLiteral("0"), QStringLiteral("100000")));
  EXPECT_EQ(Record().Amps, 250000);
  Restore();
}

TEST_F(ExchangeTest, WriteLeavesAnUnchangedEditAlone) {
  FocusOn(IdcAmps);
  QLineEdit* amps = EditOf(IdcAmps);
  ASSERT_EQ(amps->text(), QStringLiteral("16"));
  amps->setSelection(1, 1);
  Dlg().WriteForm();
  EXPECT_EQ(amps->selectedText(), QStringLiteral("6"));
  EXPECT_EQ(amps->cursorPosition(), 2);

  // The same value in another spelling is rewritten.
  amps->setText(QStringLiteral("16.0"));
  amps->selectAll();
  Dlg().WriteForm();
  EXPECT_EQ(amps->text(), QStringLiteral("16"));
  EXPECT_FALSE(amps->hasSelectedText());
}

// A number too long for its edit reads from its first digit wherever the
// program writes it, and where a rule or Tab then selects it whole.
TEST_F(ExchangeTest, LongNumbersShowTheirFirstDigit) {
  const auto showsFirst = [this](int id) {
    EditOf(id)->grab(); // scrolls the text as drawn
    return EditOf(id)->cursorPositionAt(QPoint(0, EditOf(id)->height() / 2)) == 0;
  };
  for (const Field& f : Order)
    if (f.doubleField != nullptr)
      Record().*f.doubleField = 100.0 / 7;
  Dlg().WriteForm();
  for (const Field& f : Order)
    EXPECT_TRUE(f.editId == 0 || showsFirst(f.editId)) << f.name;
  Activate(IdcAmpsUnits); // whose rule focuses the amps edit
  EXPECT_TRUE(FocusedAndSelected(IdcAmps) && showsFirst(IdcAmps));
  QTest::keyClick(EditOf(IdcAmps), Qt::Key_Tab);
  EXPECT_TRUE(FocusedAndSelected(IdcDistance) && showsFirst(IdcDistance));
}

struct GroupCase {
  int CalcState::*field;
  std::vector<int> buttons; // in index order
};

TEST_F(ExchangeTest, RadioGroupsWriteByIndexAndReadMinusOneWhenNoneChecked) {
  const std::vector<GroupCase> groups = {
      {&CalcState::DropMode, {1018, 1019, 1020}}, {&CalcState::Phase, {1007, 1008}},
      {&CalcState::Material, {1005, 1006}},       {&CalcState::SolveFor, {1027, 1025, 1024, 1026}},
      {&CalcState::LoadUnits, {1028, 1029}},      {&CalcState::DistanceUnits, {1031, 1032}},
      {&CalcState::Current, {1033, 1034}},        {&CalcState::Raceway, {1012, 1015, 1035}},
  };
  for (const GroupCase& g : groups) {
    SCOPED_TRACE(g.buttons.front());
    const int count = static_cast<int>(g.buttons.size());
    for (int index = -2; index <= count + 1; ++index) {
      SCOPED_TRACE(index);
      Record().*g.field = index;
      Dlg().WriteForm();
      for (int j = 0; j < count; ++j)
        EXPECT_EQ(Checked(g.buttons[static_cast<std::size_t>(j)]), j == index) << j;
      Record().*g.field = 42;
      EXPECT_TRUE(Dlg().ReadForm());
      EXPECT_EQ(Record().*g.field, index >= 0 && index < count ? index : -1);
    }
    Restore();
  }
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(ExchangeTest, ListsWriteByIndexAndReadMinusOneWhenNothingSelected) {
  const std::pair<int, int CalcState::*> lists[] = {{IdcWireSize, &CalcState::WireSize},
                                                    {IdcConductors, &CalcState::ConductorsIndex}};
  for (const auto& [id, field] : lists) {
    const int count = ListOf(id)->count();
    for (const int index : {-1, 0, 1, count - 1, count, 1000}) {
      SCOPED_TRACE(::testing::Message() << id << " index " << index);
      // Writing the form runs no handler: no solve changes the length.
      Record().FeetLength = 4321;
      Record().*field = index;
      Dlg().WriteForm();
      const int expected = index >= 0 && index < count ? index : -1;
      EXPECT_EQ(ListOf(id)->currentIndex(), expected);
      Record().*field = 42;
      EXPECT_TRUE(Dlg().ReadForm());
      EXPECT_EQ(Record().*field, expected);
      EXPECT_EQ(Record().FeetLength, 4321);
    }
    Restore();
  }
  EXPECT_TRUE(Boxes().empty());
}

class DigitsOnly : public ExchangeTest, public ::testing::WithParamInterface<int> {};

TEST_P(DigitsOnly, UserEntersDigitsOnlyProgramWritesAnyNumber) {
  const int id = GetParam();
  QLineEdit* edit = EditOf(id);
  FocusOn(id);
  edit->clear();
  QTest::keyClicks(edit, QStringLiteral("1a2.5-e+3 ,"));
  EXPECT_EQ(edit->text(), QStringLiteral("1253"));
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->text(), QStringLiteral("125"));

  QApplication::clipboard()->setText(QStringLiteral("12.5"));
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->text(), QStringLiteral("125"));
  QApplication::clipboard()->setText(QStringLiteral("40"));
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->text(), QStringLiteral("12540"));

  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("7.5"));
  QApplication::sendEvent(edit, &composed);
  EXPECT_EQ(edit->text(), QStringLiteral("12540"));
  QInputMethodEvent digits;
  digits.setCommitString(QStringLiteral("75"));
  QApplication::sendEvent(edit, &digits);
  EXPECT_EQ(edit->text(), QStringLiteral("1254075"));

  QMimeData dropped;
  dropped.setText(QStringLiteral("3.5"));
  QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(edit, &drop);
  EXPECT_EQ(edit->text(), QStringLiteral("1254075"));

  // What the program writes shows as written.
  Record().Distance = 12.5;
  Record().Amps = 12.5;
  Dlg().WriteForm();
  EXPECT_EQ(edit->text(), QStringLiteral("12.5"));
  edit->setText(QStringLiteral("1e+06"));
  EXPECT_EQ(edit->text(), QStringLiteral("1e+06"));
  Restore();
}

INSTANTIATE_TEST_SUITE_P(DistanceAndAmps, DigitsOnly, ::testing::Values(IdcDistance, IdcAmps));

TEST_F(ExchangeTest, OtherEditsTakeAnyTypedOrPastedText) {
  // The same keys and clipboard reach an ordinary edit, so the filter above
  // is what keeps them out.
  QLineEdit* edit = EditOf(IdcVoltage);
  FocusOn(IdcVoltage);
  edit->clear();
  QTest::keyClicks(edit, QStringLiteral("1a2.5"));
  EXPECT_EQ(edit->text(), QStringLiteral("1a2.5"));
  QApplication::clipboard()->setText(QStringLiteral("e+3"));
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->text(), QStringLiteral("1a2.5e+3"));
  Restore();
}

} // namespace
} // namespace testing_ui
