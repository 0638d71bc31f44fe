// The window as built: its identifiers, radio groups, Alt keys and the Tab
// order the start leaves, the two lists, the tooltips of the form bindings and
// the caption font, with a few anchors the user is told.
#include "FormTestSupport.h"

#include "calculator/FormBindings.h"
#include "dialogkit/Text.h"
#include "engine/ConductorTables.h"

#include <QHelpEvent>
#include <QToolTip>

namespace testing_ui {
namespace {

using namespace calculator;

QString ToolTipOf(int id) {
  for (const FormBinding& binding : FormBindings) {
    if (binding.controlId == id)
      return dialogkit::ToQString(binding.toolTip);
  }
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

TEST_F(Template, IdsGroupsKeysAndTabOrder) {
  EXPECT_EQ(Dlg().windowTitle(), QStringLiteral("Quillfen"));
  ExpectEachIdFindsItsRow(Dlg(), CalculatorTemplate);
  const std::vector<std::vector<int>> groups = {
      {IdcSingle, IdcThree},
      {IdcCopper, IdcAluminumConductor},
      {IdcAc, IdcDc},
      {IdcSteel, IdcAluminumRaceway, IdcNonMetal},
      {IdcSolveVoltage, IdcSolveLoad, IdcSolveDistance, IdcSolveWireSize},
      {IdcPercentDropMode, IdcVoltageDropMode, IdcFinalVoltageMode},
      {IdcAmpsUnits, IdcVoltAmpsUnits},
      {IdcFeet, IdcMeters}};
  EXPECT_EQ(RadioGroupsOf(Dlg()), groups);
  // The keys the user is told about: Alt with the underlined letter.
  const std::map<int, std::string> keys = {{IdcSolveVoltage, "Alt+V"},  {IdcSolveLoad, "Alt+D"},
                                           {IdcSolveDistance, "Alt+I"}, {IdcSolveWireSize, "Alt+W"},
                                           {IdcCalculate, "Alt+C"},     {IdcClear, "Alt+L"},
                                           {IdcAbout, "Alt+B"},         {IdcExit, "Alt+X"}};
  EXPECT_EQ(MnemonicsOf(Dlg()), keys);
  // Each group is entered on its checked button, "Wire size" among them as
  // the start checks it, and what the start disables is passed over.
  EXPECT_EQ(
      TabWalk(Item(IdcSingle)),
      (std::vector<int>{IdcSingle, IdcCopper, IdcAc, IdcSteel, IdcVoltage, IdcSolveWireSize,
                        IdcPercentDropMode, IdcPercentDrop, IdcAmpsUnits, IdcAmps, IdcDistance,
                        IdcFeet, IdcConductors, IdcCalculate, IdcClear, IdcAbout, IdcExit}));
  EXPECT_TRUE(Boxes().empty());
}

// Each list offers the engine's names in their order.
TEST_F(Template, ListsOfferTheEnginesSizesAndCounts) {
  const auto items = [this](int id) {
    QStringList texts;
    for (int i = 0; i < ListOf(id)->count(); ++i)
      texts << ListOf(id)->itemText(i);
    return texts;
  };
  const auto names = [](const auto& table) {
    QStringList texts;
    for (const std::string_view name : table)
      texts << dialogkit::ToQString(name);
    return texts;
  };
  EXPECT_EQ(items(IdcWireSize), names(engine::WireSizeNames));
  EXPECT_EQ(items(IdcConductors), names(engine::ConductorCountNames));
  // What the user is told: "No. 40" to "750 kcm", one to eight conductors.
  EXPECT_EQ(items(IdcWireSize).front() + items(IdcWireSize).back(),
            QStringLiteral("No. 40750 kcm"));
  EXPECT_EQ(items(IdcConductors).join(QString()), QStringLiteral("12345678"));
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
      EXPECT_TRUE(w->font().bold() == caption && w->font().italic() == caption) << id;
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

} // namespace
} // namespace testing_ui
