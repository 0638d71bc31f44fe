// A seeded random user: clicks, list choices, typing (valid and invalid text),
// Tab, Enter and Clear on the real dialog, with every box answered at once.
// After each action the form must still be consistent.
#include "DialogFixture.h"
#include "EnablementOracle.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <deque>
#include <random>
#include <sstream>

namespace testing_ui {
namespace {

using namespace calculator;

constexpr unsigned DefaultSeed = 20261208u;
constexpr int DefaultActions = 20000;

int EnvInt(const char* name, int fallback) {
  bool ok = false;
  const int value = qEnvironmentVariableIntValue(name, &ok);
  return ok ? value : fallback;
}

// Closes every message box and About dialog as soon as it shows, and counts
// how many boxes are open at once.
class AutoAnswer : public QObject {
public:
  AutoAnswer() { qApp->installEventFilter(this); }
  ~AutoAnswer() override { qApp->removeEventFilter(this); }
  AutoAnswer(const AutoAnswer&) = delete;
  AutoAnswer& operator=(const AutoAnswer&) = delete;

  int maxOpenBoxes = 0;
  int boxes = 0;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show)
      return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (dialog == nullptr || !dialog->isModal())
      return false;
    if (qobject_cast<QMessageBox*>(dialog) != nullptr) {
      ++boxes;
      int open = 0;
      for (QWidget* w : QApplication::topLevelWidgets())
        open += (qobject_cast<QMessageBox*>(w) != nullptr && w->isVisible()) ? 1 : 0;
      maxOpenBoxes = std::max(maxOpenBoxes, open);
    }
    QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
    return false;
  }
};

const std::vector<int> Clickable = {
    IdcSingle,
    IdcThree,
    IdcCopper,
    IdcAluminumConductor,
    IdcAc,
    IdcDc,
    IdcSteel,
    IdcAluminumRaceway,
    IdcNonMetal,
    IdcSolveVoltage,
    IdcSolveLoad,
    IdcSolveDistance,
    IdcSolveWireSize,
    IdcPercentDropMode,
    IdcVoltageDropMode,
    IdcFinalVoltageMode,
    IdcAmpsUnits,
    IdcVoltAmpsUnits,
    IdcFeet,
    IdcMeters,
    IdcCalculate,
    IdcClear,
    IdcAbout,
};
const std::vector<int> Edits = {IdcVoltage, IdcPercentDrop, IdcDropVolts, IdcFinalVoltage,
                                IdcAmps,    IdcVoltAmps,    IdcDistance};
const std::vector<int> Lists = {IdcWireSize, IdcConductors};
const std::vector<int> GroupHeads = {IdcSingle,       IdcCopper,          IdcAc,        IdcSteel,
                                     IdcSolveVoltage, IdcPercentDropMode, IdcAmpsUnits, IdcFeet};

class Monkey : public DialogFixture {
protected:
  std::string RandomText() {
    static const std::vector<std::string> fixed = {
        "",      "0",      "-5",   "inf",   "nan",     "12x", "1e309", "1e-400", ".0",
        "-0",    "0x10",   " 12 ", "\t7\t", "99.9999", "100", "0.5",   "1",      "480",
        "1e+15", "250000", "3.6",  "abc",   "1,000",   "1e6", "+3",    "1.",     "e5"};
    std::uniform_int_distribution<int> pick(0, 9);
    switch (pick(m_rng)) {
    case 0:
    case 1:
    case 2:
      return fixed[std::uniform_int_distribution<std::size_t>(0, fixed.size() - 1)(m_rng)];
    case 3: {
      // Very long text, digits only or mixed.
      const bool digits = std::bernoulli_distribution(0.5)(m_rng);
      return std::string(10000, digits ? '9' : 'x');
    }
    default: {
      std::uniform_real_distribution<double> value(0.0, 1.0);
      const double magnitude = std::pow(10.0, std::uniform_int_distribution<int>(-3, 12)(m_rng));
      std::ostringstream text;
      text << value(m_rng) * magnitude;
      return text.str();
    }
    }
  }

  std::string Act() {
    std::uniform_int_distribution<int> kind(0, 99);
    const int k = kind(m_rng);
    if (k < 35) {
      const int id =
          Clickable[std::uniform_int_distribution<std::size_t>(0, Clickable.size() - 1)(m_rng)];
      if (id == IdcAbout && std::bernoulli_distribution(0.9)(m_rng))
        return "skip about";
      Click(id);
      return "click " + std::to_string(id);
    }
    if (k < 70) {
      const int id = Edits[std::uniform_int_distribution<std::size_t>(0, Edits.size() - 1)(m_rng)];
      if (!Enabled(id))
        return "skip disabled " + std::to_string(id);
      const std::string text = RandomText();
      // Long text goes in as a paste of the program's own kind; short text is typed.
      TypeInto(id, QString::fromStdString(text), text.size() > 40);
      return "type " + std::to_string(id) + " '" + text.substr(0, 20) + "'";
    }
    if (k < 80) {
      const int id = Lists[std::uniform_int_distribution<std::size_t>(0, Lists.size() - 1)(m_rng)];
      if (!Enabled(id))
        return "skip disabled list";
      FocusOn(id);
      const int index = std::uniform_int_distribution<int>(0, ListOf(id)->count() - 1)(m_rng);
      ListOf(id)->setCurrentIndex(index);
      return "select " + std::to_string(id) + " " + std::to_string(index);
    }
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr)
      focus = &Dlg();
    if (k < 90) {
      const bool back = std::bernoulli_distribution(0.3)(m_rng);
      QTest::keyClick(focus, Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
      return back ? "shift+tab" : "tab";
    }
    if (k < 95) {
      QTest::keyClick(focus, Qt::Key_Return);
      return "enter";
    }
    QTest::keyClick(focus, Qt::Key_Space);
    return "space";
  }

  // Empty when the form is consistent, else what is wrong.
  std::string Inconsistency() {
    for (const int head : GroupHeads) {
      QButtonGroup* group = Dlg().Controls().radioGroups.value(head);
      int checked = 0;
      for (QAbstractButton* b : group->buttons())
        checked += b->isChecked() ? 1 : 0;
      if (checked != 1)
        return "group " + std::to_string(head) + " has " + std::to_string(checked) + " checked";
    }
    for (const int id : Lists) {
      const int index = ListOf(id)->currentIndex();
      if (index < 0 || index >= ListOf(id)->count())
        return "list " + std::to_string(id) + " has no selection";
    }
    const auto& groups = Dlg().Controls().radioGroups;
    const int solveFor = groups.value(IdcSolveVoltage)->checkedId();
    const int d = groups.value(IdcPercentDropMode)->checkedId();
    const int u = groups.value(IdcAmpsUnits)->checkedId();
    for (const SteeredControl& control : SteeredControls) {
      const int id = control.id;
      if (Enabled(id) != ExpectedEnabled(control, {solveFor, d, u}))
        return "control " + std::to_string(id) + (Enabled(id) ? " enabled" : " disabled") +
               " with target " + std::to_string(solveFor) + ", mode " + std::to_string(d) +
               ", units " + std::to_string(u);
    }
    return {};
  }

  std::mt19937 m_rng;
};

TEST_F(Monkey, RandomActionsKeepTheFormConsistent) {
  const auto seed = static_cast<unsigned>(EnvInt("QUILLFEN_MONKEY_SEED", DefaultSeed));
  const int actions = EnvInt("QUILLFEN_MONKEY_ACTIONS", DefaultActions);
  m_rng.seed(seed);
  // Real boxes, so the focus they take and give back is part of the walk.
  m_boxes.Stop();
  AutoAnswer answer;
  StartDialog();

  std::deque<std::string> recent;
  for (int i = 0; i < actions; ++i) {
    QElapsedTimer t;
    t.start();
    recent.push_back(Act());
    if (t.elapsed() > 50)
      std::cout << t.elapsed() << " ms: " << recent.back() << "\n";
    if (recent.size() > 25)
      recent.pop_front();
    QElapsedTimer t2;
    t2.start();
    Settle();
    if (t2.elapsed() > 50)
      std::cout << t2.elapsed() << " ms settle after: " << recent.back() << "\n";
    t2.restart();
    const std::string wrong = Inconsistency();
    if (t2.elapsed() > 50)
      std::cout << t2.elapsed() << " ms check\n";
    if (!wrong.empty() || answer.maxOpenBoxes > 2) {
      std::ostringstream trail;
      for (const std::string& a : recent)
        trail << "\n  " << a;
      FAIL() << "seed " << seed << ", action " << i << ": "
             << (wrong.empty() ? "more than two boxes open" : wrong)
             << "\nlast actions:" << trail.str();
    }
  }
  std::cout << "[ monkey   ] seed " << seed << ": " << actions << " actions, " << answer.boxes
            << " message boxes answered\n";
  EXPECT_LE(answer.maxOpenBoxes, 2);
  m_boxes.Take();
}

} // namespace
} // namespace testing_ui
