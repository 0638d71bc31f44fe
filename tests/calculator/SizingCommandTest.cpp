// Size Conductors opened from the calculator: what it shows for the record
// the leave of the focused edit leaves behind, that by K it agrees with the
// form's own wire-size solve for every conductor count it may be installed
// with, and that its conditions change nothing on the form or in the store.
#include "FormTestSupport.h"

#include "ProcessTools.h"
#include "StoreText.h"
#include "dialogkit/Text.h"
#include "engine/ConductorTables.h"
#include "engine/NumberText.h"
#include "sizing/DropChart.h"
#include "sizing/SizeConductorsDlg.h"
#include "sizing/SizingStrings.h"
#include "sizing/WireSizeModel.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>

namespace testing_ui {
namespace {

using namespace calculator;
using sizing::CSizeConductorsDlg;

enum class Way { Shortcut, ContextMenu };

QString Number(double value) { return QString::fromStdString(engine::PrintNumber(value)); }

QString Cell(const CSizeConductorsDlg& dlg, int row, std::string_view heading,
             int role = Qt::DisplayRole) {
  return dlg.Sizes().index(row, sizing::WireSizeModel::ColumnOf(heading)).data(role).toString();
}

// The first row marked as within the allowed drop; -1 if none is.
int FirstMarked(const CSizeConductorsDlg& dlg) {
  for (int row = 0; row < dlg.Sizes().rowCount(); ++row) {
    if (!Cell(dlg, row, sizing::IdsHeadingWithin).isEmpty())
      return row;
  }
  return -1;
}

class SizeConductors : public FormTest {
protected:
  void SetUp() override {
    FormTest::SetUp();
    StartDialog();
  }

  // Opens the command one way; `inside` runs while the dialog is open, which
  // is then closed. Returns how many dialogs opened.
  int Open(Way way, const std::function<void(CSizeConductorsDlg&)>& inside) {
    const auto dialog = WatchModal<CSizeConductorsDlg>(inside);
    if (way == Way::Shortcut) {
      QWidget* focused = QApplication::focusWidget();
      QTest::keyClick(focused != nullptr ? focused : &Dlg(), Qt::Key_W,
                      Qt::ControlModifier | Qt::ShiftModifier);
    } else {
      PickFromContextMenu(QStringLiteral("Size Conductors..."));
    }
    Settle();
    return dialog->Count();
  }
};

TEST_F(SizeConductors, ShowsTheRecordTheLeavingEditLeavesAndChangesNothing) {
  for (const Way way : {Way::Shortcut, Way::ContextMenu}) {
    SCOPED_TRACE(way == Way::Shortcut ? "Ctrl+Shift+W" : "context menu");
    Click(IdcClear);
    TypeInto(IdcAmps, QStringLiteral("100"));
    Leave();
    TypeInto(IdcDistance, QStringLiteral("250"));
    const engine::CalcState typed = State();

    engine::CalcState inside, seen;
    QString title;
    int rows = 0, current = -1, firstMarked = -1;
    bool tinted = false, modal = false;
    ASSERT_EQ(Open(way,
                   [&](CSizeConductorsDlg& dlg) {
                     seen = dlg.Record();
                     title = dlg.windowTitle();
                     modal = dlg.isModal() && dlg.parentWidget() == &Dlg();
                     rows = dlg.Sizes().rowCount();
                     current = std::max(dlg.Table()->currentIndex().row(), 0);
                     dlg.Method()->setCurrentIndex(static_cast<int>(engine::DropMethod::KFactor));
                     firstMarked = FirstMarked(dlg);
                     const auto bold = [&](int row) {
                       return dlg.Sizes().index(row, 0).data(Qt::FontRole).value<QFont>().bold();
                     };
                     tinted = bold(current) && !bold(current == 0 ? 1 : 0);
                     dlg.Conductors()->setCurrentIndex(3);
                     Settle();
                     inside = State();
                   }),
              1);

    // The edit left, and solved, before the dialog read the record.
    EXPECT_EQ(typed.Distance, 100.0);
    EXPECT_EQ(State().Distance, 250.0);
    EXPECT_NE(State().WireSize, typed.WireSize);
    EXPECT_TRUE(seen == State());
    EXPECT_TRUE(inside == State()) << "changed while the dialog was open";
    EXPECT_EQ(Text(IdcDistance), QStringLiteral("250"));
    EXPECT_TRUE(HasFocus(IdcDistance));

    EXPECT_EQ(title, QStringLiteral("Size Conductors - Quillfen"));
    EXPECT_TRUE(modal);
    EXPECT_EQ(rows, engine::WireSizeCount);
    EXPECT_EQ(current, State().WireSize);
    EXPECT_TRUE(tinted);
    EXPECT_EQ(firstMarked, State().WireSize);
    EXPECT_EQ(Boxes().size(), 0u);
  }
}

// Sized by K, each conductor count marks first the size the form's own solve
// picks with that count, or No. 1/0 where that count may not run in parallel
// below it; the total areas grow with the count.
TEST_F(SizeConductors, EveryConductorCountAgreesWithTheFormsSolve) {
  TypeInto(IdcAmps, QStringLiteral("100"));
  TypeInto(IdcDistance, QStringLiteral("250"));
  Leave();
  const engine::CalcState before = State();
  std::array<int, engine::ConductorCountMax> firstMarked{};
  ASSERT_EQ(Open(Way::Shortcut,
                 [&](CSizeConductorsDlg& dlg) {
                   dlg.Method()->setCurrentIndex(static_cast<int>(engine::DropMethod::KFactor));
                   for (int count = 0; count < engine::ConductorCountMax; ++count) {
                     dlg.Conductors()->setCurrentIndex(count);
                     firstMarked[count] = FirstMarked(dlg);
                     for (int size = 0; size < engine::WireSizeCount; ++size) {
                       const double area = engine::CircularMils[size] * (count + 1);
                       EXPECT_EQ(Cell(dlg, size, sizing::IdsHeadingArea), Number(area))
                           << size << " x " << count + 1;
                     }
                     EXPECT_TRUE(State() == before) << "the form's record changed";
                   }
                 }),
            1);
  EXPECT_TRUE(State() == before);
  for (int count = 0; count < engine::ConductorCountMax; ++count) {
    if (count > 0) {
      EXPECT_LE(firstMarked[count], firstMarked[count - 1]);
    }
    Select(IdcConductors, count);
    const int parallelFrom = count > 0 ? engine::SmallestParallelWireSize : 0;
    EXPECT_EQ(firstMarked[count], std::max(State().WireSize, parallelFrom))
        << count + 1 << " conductors";
  }
  EXPECT_LT(firstMarked[7], firstMarked[0]);
  EXPECT_EQ(Boxes().size(), 0u);
}

// Opening the dialog makes the focused edit leave exactly once: it reports
// just what moving the focus to another control reports. A rejected entry
// keeps the dialog shut, the focus back on the entry.
struct LeaveCase {
  const char* name;
  const char* distance;
  int opens;
};
constexpr LeaveCase LeaveCases[] = {
    {"no size is large enough", "100000", 1},
    {"out of range", "2000000", 0},
};

TEST_F(SizeConductors, FocusedEditLeavesOnceAsForAnyFocusMove) {
  for (const LeaveCase& c : LeaveCases) {
    for (const Way way : {Way::Shortcut, Way::ContextMenu}) {
      SCOPED_TRACE(std::string(c.name) + (way == Way::Shortcut ? ", shortcut" : ", menu"));
      TypeInto(IdcDistance, QString::fromLatin1(c.distance));
      Leave();
      const std::vector<SeenBox> byFocusMove = Boxes();
      ASSERT_FALSE(byFocusMove.empty());
      TypeInto(IdcDistance, QStringLiteral("100"));
      Leave();
      Boxes();

      TypeInto(IdcDistance, QString::fromLatin1(c.distance));
      EXPECT_EQ(Open(way, [](CSizeConductorsDlg&) {}), c.opens);
      EXPECT_TRUE(Boxes() == byFocusMove);
      EXPECT_TRUE(HasFocus(IdcDistance));
      TypeInto(IdcDistance, QStringLiteral("100"));
      Leave();
      Boxes();
    }
  }
}

// The conditions change the answer, are there again at the next opening while
// the program runs, and reach neither the form nor the store.
TEST_F(SizeConductors, ConditionsAreKeptWhileRunningAndReachNeitherTheFormNorTheStore) {
  TypeInto(IdcAmps, QStringLiteral("20"));
  TypeInto(IdcDistance, QStringLiteral("250"));
  Leave();
  const engine::CalcState before = State();
  QString first, changed, reopened;
  engine::SizingConditions kept;
  ASSERT_EQ(Open(Way::Shortcut,
                 [&](CSizeConductorsDlg& dlg) {
                   first = dlg.Answer()->text();
                   dlg.Continuous()->setChecked(true);
                   dlg.Ambient()->setValue(45);
                   dlg.CurrentCarrying()->setValue(7);
                   changed = dlg.Answer()->text();
                 }),
            1);
  ASSERT_EQ(Open(Way::ContextMenu,
                 [&](CSizeConductorsDlg& dlg) {
                   kept = dlg.Conditions();
                   reopened = dlg.Answer()->text();
                 }),
            1);
  EXPECT_TRUE(first.startsWith(QStringLiteral("1 \u00D7 No. 4 copper per phase")))
      << first.toStdString();
  EXPECT_TRUE(changed.contains(QStringLiteral("25 A overcurrent device"))) << changed.toStdString();
  EXPECT_EQ(reopened, changed);
  EXPECT_TRUE(kept.continuous);
  EXPECT_EQ(kept.ambientC, 45);
  EXPECT_EQ(kept.currentCarrying, 7);
  EXPECT_TRUE(State() == before);

  Dlg().reject();
  Settle();
  const auto stored = SectionText(StorePath(), QStringLiteral("State"));
  EXPECT_EQ(stored.size(), 11U);
#ifndef Q_OS_WIN
  EXPECT_EQ(QSettings(StorePath(), QSettings::IniFormat).childGroups(),
            QStringList{QStringLiteral("State")});
#endif
  EXPECT_EQ(Boxes().size(), 0u);
}

// Save Report from the window asks where as the calculator's own does, and
// writes the sizing page there whole; a place it cannot write gets a box over
// the window and no file.
TEST_F(SizeConductors, SaveReportWritesTheSizingPageOrSaysWhyNotOverTheWindow) {
  TypeInto(IdcAmps, QStringLiteral("20"));
  TypeInto(IdcDistance, QStringLiteral("250"));
  Leave();
  const QTemporaryDir out;
  const struct {
    QString path;
    bool saved;
  } cases[] = {
      {out.filePath(QStringLiteral("sizing.pdf")), true},
      {out.filePath(QStringLiteral("no such folder/sizing.pdf")), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    QString suggested, answer;
    QWidget* window = nullptr;
    Dlg().SetReportPathAsker([&](QWidget* owner, const QString& offered) {
      EXPECT_EQ(owner, window);
      suggested = offered;
      return c.path;
    });
    ASSERT_EQ(Open(Way::Shortcut,
                   [&](CSizeConductorsDlg& dlg) {
                     window = &dlg;
                     answer = dlg.Answer()->text();
                     ASSERT_TRUE(dlg.SaveReportButton()->isEnabled());
                     QTest::mouseClick(dlg.SaveReportButton(), Qt::LeftButton);
                     Settle();
                   }),
              1);
    EXPECT_TRUE(suggested.endsWith(QStringLiteral("/Quillfen sizing report.pdf")))
        << suggested.toStdString();
    const std::vector<SeenBox> boxes = Boxes();
    EXPECT_EQ(QFileInfo::exists(c.path), c.saved);
    if (!c.saved) {
      ASSERT_EQ(boxes.size(), 1u);
      EXPECT_EQ(boxes[0].owner, window);
      EXPECT_TRUE(boxes[0].text.contains(QDir::toNativeSeparators(c.path)));
      continue;
    }
    EXPECT_TRUE(boxes.empty());
#ifndef Q_OS_WIN // poppler's tools run on Linux; the Linux run reads the page
    const QString text = PopplerOutput("pdftotext", {c.path, QStringLiteral("-")}).simplified();
    for (const QString& wanted :
         {answer.simplified(), QStringLiteral("Size Conductors"), QStringLiteral("NEC 240.6(A)"),
          QStringLiteral("NEC Table 250.122"), QStringLiteral("250 ft")})
      EXPECT_TRUE(text.contains(wanted)) << wanted.toStdString() << " in\n" << text.toStdString();
#endif
  }
}

} // namespace
} // namespace testing_ui
