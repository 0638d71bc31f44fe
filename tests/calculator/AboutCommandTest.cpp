// The About command of the calculator: its button and its window-menu item
// open the About dialog modally over the calculator, which waits and keeps
// its record; the edit that had the focus leaves as for any focus change.
#include "AboutTestSupport.h"
#include "FormTestSupport.h"

namespace testing_ui {
namespace {

using namespace calculator;

enum class Way { Button, SysCommand10, SysCommand1F, ContextMenu };

struct Opening {
  const char* name;
  Way way;
};

constexpr Opening Openings[] = {
    {"A&bout... button", Way::Button},
    {"system command 0x10", Way::SysCommand10},
    // The low four bits belong to the system: 0x1F is still the About item.
    {"system command 0x1F", Way::SysCommand1F},
#ifndef Q_OS_WIN
    // Windows has the About item on the window menu, not on the context menu.
    {"context menu item", Way::ContextMenu},
#endif
};

class AboutCommand : public FormTest {
protected:
  void SetUp() override {
    FormTest::SetUp();
    StartDialog();
  }

  // What the test saw while the About dialog was open.
  struct Seen {
    QWidget* parent = nullptr;
    bool modal = false, activeModal = false, calculatorActive = true, okFocused = false;
    about_test::ShownTexts texts;
    engine::CalcState state;
  };

  // Opens the About command one way; `inside` runs while the dialog is open,
  // then the dialog is closed with OK.
  int Open(Way way, const std::function<void(about::CAboutDlg&)>& inside) {
    const auto about = WatchModal<about::CAboutDlg>([&](about::CAboutDlg& dlg) {
      inside(dlg);
      QTest::mouseClick(dlg.GetDlgItem(about::IdOk), Qt::LeftButton);
    });
    switch (way) {
    case Way::Button:
      Click(IdcAbout);
      break;
    case Way::SysCommand10:
      Dlg().OnSysCommand(0x10);
      break;
    case Way::SysCommand1F:
      Dlg().OnSysCommand(0x1F);
      break;
    case Way::ContextMenu:
      PickFromContextMenu(QStringLiteral("&About Tamsik..."));
      break;
    }
    Settle();
    return about->Count();
  }

  Seen OpenAndLook(Way way) {
    Seen seen;
    EXPECT_EQ(Open(way,
                   [&](about::CAboutDlg& dlg) {
                     seen.parent = dlg.parentWidget();
                     seen.modal = dlg.isModal();
                     seen.activeModal = QApplication::activeModalWidget() == &dlg;
                     seen.calculatorActive = Dlg().isActiveWindow();
                     seen.okFocused = QApplication::focusWidget() == dlg.GetDlgItem(about::IdOk);
                     seen.texts = about_test::TextsOf(dlg);
                     // The calculator waits: a click on Clear, delivered as the
                     // window system delivers it, does not get through.
                     const QPoint clear = Item(IdcClear)->geometry().center();
                     QTest::mouseClick(Dlg().windowHandle(), Qt::LeftButton, {}, clear);
                     Settle();
                     seen.state = State();
                   }),
              1);
    return seen;
  }

  QStringList EditTexts() {
    QStringList texts;
    for (QLineEdit* edit : Dlg().findChildren<QLineEdit*>())
      texts << edit->text();
    return texts;
  }
};

TEST_F(AboutCommand, OpensModallyOverTheCalculatorWhichWaitsAndKeepsItsRecord) {
  for (const Opening& opening : Openings) {
    SCOPED_TRACE(opening.name);
    // Not the defaults, so that Clear would show.
    TypeInto(IdcDistance, QStringLiteral("250"));
    Leave();
    const engine::CalcState before = State();
    const QStringList texts = EditTexts();

    const Seen seen = OpenAndLook(opening.way);
    EXPECT_EQ(seen.parent, &Dlg());
    EXPECT_TRUE(seen.modal);
    EXPECT_TRUE(seen.activeModal);
    EXPECT_FALSE(seen.calculatorActive);
    EXPECT_TRUE(seen.okFocused);
    EXPECT_EQ(seen.texts.caption, QStringLiteral("About Quillfen"));
    EXPECT_EQ(seen.texts.title, QStringLiteral("Quillfen"));
    EXPECT_TRUE(seen.state == before) << "changed while About was open";

    EXPECT_TRUE(State() == before) << "changed by opening About";
    EXPECT_EQ(EditTexts(), texts);
    EXPECT_TRUE(Dlg().isActiveWindow());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  }
}

TEST_F(AboutCommand, OtherSystemCommandsOpenNothing) {
  const engine::CalcState before = State();
  for (const unsigned command : {0x00u, 0x0Fu, 0x20u, 0x30u, 0x110u, 0x1010u}) {
    const auto about = WatchModal<about::CAboutDlg>([](about::CAboutDlg&) {});
    Dlg().OnSysCommand(command);
    Settle();
    EXPECT_EQ(about->Count(), 0) << std::hex << command;
  }
  EXPECT_TRUE(State() == before);
}

TEST_F(AboutCommand, EditThatHadTheFocusLeavesWhenTheAboutDialogTakesIt) {
  for (const Opening& opening : Openings) {
    SCOPED_TRACE(opening.name);
    Click(IdcClear);
    ASSERT_EQ(State().Amps, 16.0);
    ASSERT_EQ(State().VoltAmps, 1920.0);
    TypeInto(IdcAmps, QStringLiteral("20"));
    ASSERT_TRUE(HasFocus(IdcAmps));
    // Typing alone reads nothing.
    ASSERT_EQ(State().Amps, 16.0);

    double amps = 0, voltAmps = 0;
    ASSERT_EQ(Open(opening.way,
                   [&](about::CAboutDlg&) {
                     amps = State().Amps;
                     voltAmps = State().VoltAmps;
                   }),
              1);
    // The leave handler read 20 A and solved before the dialog was looked at.
    EXPECT_EQ(amps, 20.0);
    EXPECT_EQ(voltAmps, 2400.0);
    EXPECT_EQ(Text(IdcVoltAmps), QStringLiteral("2400"));
    EXPECT_EQ(State().Amps, 20.0);
    EXPECT_EQ(Boxes().size(), 0u);
  }
}

} // namespace
} // namespace testing_ui
