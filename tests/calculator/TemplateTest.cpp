// The window as built: every control against its row of the program's own
// table, the enablement the start leaves, the two lists, the tooltips of the
// form bindings and the caption font, with a few anchors the user is told.
#include "EnablementOracle.h"
#include "FormTestSupport.h"
#include "TemplateCheck.h"

#include "calculator/FormBindings.h"

#include <QAccessible>
#include <QGroupBox>
#include <QHelpEvent>
#include <QKeySequence>
#include <QRegularExpression>
#include <QTest>
#include <QToolTip>

namespace testing_ui {
namespace {

using namespace calculator;
using dialogkit::DialogUnits;

QString ToolTipOf(int id) {
  for (const FormBinding& binding : FormBindings) {
    if (binding.controlId == id)
      return dialogkit::ToQString(binding.toolTip);
  }
  return {};
}

QString CaptionOf(QWidget* w) {
  if (auto* button = qobject_cast<QAbstractButton*>(w))
    return button->text();
  if (auto* box = qobject_cast<QGroupBox*>(w))
    return box->title();
  return {};
}

class Template : public FormTest {
protected:
  void SetUp() override {
    FormTest::SetUp();
    StartDialog();
  }
  const std::vector<QWidget*>& Ordered() { return Dlg().Controls().ordered; }
};

TEST_F(Template, WindowCaptionAndFixedSize) {
  EXPECT_EQ(Dlg().windowTitle(), dialogkit::ToQString(CalculatorTemplate.caption));
  // 291 x 160 dialog units, whatever the font.
  const DialogUnits units = DialogUnits::FromFont(Dlg().font());
  EXPECT_EQ(Dlg().size(), QSize(units.X(291), units.Y(160)));
  EXPECT_EQ(Dlg().minimumSize(), Dlg().maximumSize());
  EXPECT_FALSE(Dlg().windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(Dlg().windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(Template, EveryControlAsItsRowWithTheStartsEnablement) {
  TemplateExceptions except;
  except.enabled = [this](int id) {
    for (const SteeredControl& control : SteeredControls) {
      if (control.id == id)
        return ExpectedEnabled(control, {State().SolveFor, State().DropMode, State().LoadUnits});
    }
    return true;
  };
  ExpectBuiltFromTable(Dlg(), CalculatorTemplate, except);
}

// The keys the user is told about: Alt with the underlined letter.
TEST_F(Template, MnemonicsOfTheTargetsAndCommands) {
  const std::pair<int, Qt::Key> keys[] = {
      {IdcSolveVoltage, Qt::Key_V},  {IdcSolveLoad, Qt::Key_D}, {IdcSolveDistance, Qt::Key_I},
      {IdcSolveWireSize, Qt::Key_W}, {IdcCalculate, Qt::Key_C}, {IdcClear, Qt::Key_L},
      {IdcAbout, Qt::Key_B},         {IdcExit, Qt::Key_X},
  };
  for (const auto& [id, key] : keys) {
    EXPECT_EQ(QKeySequence::mnemonic(ButtonOf(id)->text()), QKeySequence(Qt::ALT | key)) << id;
  }
}

TEST_F(Template, TabWalksTheButtonsAndSkipsDisabledEdits) {
  FocusOn(IdcCalculate);
  for (const int next : {IdcClear, IdcAbout, IdcExit}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    Settle();
    EXPECT_TRUE(HasFocus(next)) << next;
  }
  // Volt-amps is disabled while the load is given in amps.
  ASSERT_FALSE(Enabled(IdcVoltAmps));
  FocusOn(IdcAmps);
  QTest::keyClick(EditOf(IdcAmps), Qt::Key_Tab);
  Settle();
  EXPECT_TRUE(HasFocus(IdcDistance));
  // From one radio group Tab goes to the checked button of the next.
  Click(IdcAluminumConductor);
  FocusOn(IdcSingle);
  QTest::keyClick(ButtonOf(IdcSingle), Qt::Key_Tab);
  Settle();
  EXPECT_TRUE(HasFocus(IdcAluminumConductor));
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(Template, ListsHoldTheSizesAndTheCounts) {
  QComboBox* sizes = ListOf(IdcWireSize);
  ASSERT_EQ(sizes->count(), 34);
  EXPECT_EQ(sizes->itemText(0), QStringLiteral("No. 40"));
  EXPECT_EQ(sizes->itemText(13), QStringLiteral("No. 14"));
  EXPECT_EQ(sizes->itemText(16), QStringLiteral("No. 8"));
  EXPECT_EQ(sizes->itemText(22), QStringLiteral("No. 1/0"));
  EXPECT_EQ(sizes->itemText(26), QStringLiteral("250 kcm"));
  EXPECT_EQ(sizes->itemText(33), QStringLiteral("750 kcm"));
  QComboBox* counts = ListOf(IdcConductors);
  ASSERT_EQ(counts->count(), 8);
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(counts->itemText(i), QString::number(i + 1));
  EXPECT_FALSE(sizes->isEditable());
  EXPECT_FALSE(counts->isEditable());
}

TEST_F(Template, ToolTipsAreThoseOfTheFormBindingsAndNoOthers) {
  std::vector<QWidget*> everything = Ordered();
  everything.push_back(&Dlg());
  for (QWidget* w : everything) {
    const int id = IdOf(w);
    SCOPED_TRACE(id);
    const QString expected = ToolTipOf(id);
    EXPECT_EQ(w->toolTip(), expected);
    // Hovering shows the tip; elsewhere the request finds no tip, up to the
    // window itself.
    const QPoint centre = w->rect().center();
    QHelpEvent hover(QEvent::ToolTip, centre, w->mapToGlobal(centre));
    QApplication::sendEvent(w, &hover);
    EXPECT_EQ(hover.isAccepted(), !expected.isEmpty());
    if (!expected.isEmpty()) {
      EXPECT_TRUE(QToolTip::isVisible());
      EXPECT_EQ(QToolTip::text(), expected);
    }
  }
  QToolTip::hideText();
}

// Every edit tells the range its read accepts, in the user's digits.
TEST_F(Template, EachEditsToolTipNamesTheRangeItsReadAccepts) {
  static const QRegularExpression range(
      QStringLiteral(R"(^Valid range: ([\d,.]+) - ([\d,.]+)( .*)?$)"));
  for (const ControlSpec& control : CalculatorControls) {
    if (control.kind != ControlKind::Edit)
      continue;
    SCOPED_TRACE(control.id);
    const FormBinding* binding = nullptr;
    for (const FormBinding& b : FormBindings)
      binding = b.controlId == control.id ? &b : binding;
    ASSERT_NE(binding, nullptr);
    const QRegularExpressionMatch match = range.match(EditOf(control.id)->toolTip());
    ASSERT_TRUE(match.hasMatch()) << EditOf(control.id)->toolTip().toStdString();
    EXPECT_EQ(match.captured(1).remove(QLatin1Char(',')).toDouble(), binding->range.min);
    EXPECT_EQ(match.captured(2).remove(QLatin1Char(',')).toDouble(), binding->range.max);
  }
  EXPECT_EQ(EditOf(IdcVoltage)->toolTip(), QStringLiteral("Valid range: 1 - 1,000,000"));
}

TEST_F(Template, CaptionFontBoldItalicOnTheTwoLargeBoxesOnly) {
  for (int pass = 0; pass < 2; ++pass) {
    SCOPED_TRACE(pass == 0 ? "after start" : "after covering and repainting");
    for (QWidget* w : Ordered()) {
      const int id = IdOf(w);
      const bool caption = id == IdcSystemTypeBox || id == IdcSolutionBox;
      SCOPED_TRACE(CaptionOf(w).toStdString());
      EXPECT_EQ(w->font().bold(), caption);
      EXPECT_EQ(w->font().italic(), caption);
      if (caption) {
        EXPECT_EQ(w->font().family(), Dlg().font().family());
      }
    }
    Dlg().hide();
    Dlg().show();
    Dlg().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Dlg()));
    Dlg().repaint();
    Settle();
  }
}

// What a screen reader reads for a label is the text drawn.
TEST_F(Template, LabelsAreReadAsDrawn) {
  int labels = 0;
  for (QLabel* label : Dlg().findChildren<QLabel*>()) {
    ++labels;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
    EXPECT_EQ((accessible ? accessible->text(QAccessible::Name) : QString()).toStdString(),
              label->text().toStdString());
  }
  // Conductors per Phase, the credit line and the version.
  EXPECT_EQ(labels, 3);
}

} // namespace
} // namespace testing_ui
