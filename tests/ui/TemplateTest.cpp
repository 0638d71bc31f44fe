// The window as built: its 45 controls with identifiers, kinds, captions,
// places, tab order and radio groups, the two lists, the tooltips and the
// caption font.
#include "FormTestSupport.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QToolTip>
#include <map>

namespace testing_ui {
namespace {

using namespace ui;

enum class Kind { PushLikeRadio, Radio, Edit, List, Push, DefaultPush, GroupBox, Static };

struct Row {
  int id; // NoControlId for controls without one
  Kind kind;
  const char* caption; // nullptr: not fixed
  DluRect rect;
};

// Template order, which is also the tab order.
constexpr Row Rows[] = {
    {1007, Kind::PushLikeRadio, "Single", {17, 28, 40, 10}},
    {1008, Kind::PushLikeRadio, "Three", {17, 40, 40, 10}},
    {1005, Kind::PushLikeRadio, "Copper", {70, 28, 40, 10}},
    {1006, Kind::PushLikeRadio, "Aluminum", {70, 40, 40, 10}},
    {1033, Kind::PushLikeRadio, "AC", {17, 66, 40, 10}},
    {1034, Kind::PushLikeRadio, "DC", {17, 77, 40, 10}},
    {1012, Kind::PushLikeRadio, "Steel", {70, 66, 40, 10}},
    {1015, Kind::PushLikeRadio, "Aluminum", {70, 78, 40, 10}},
    {1035, Kind::PushLikeRadio, "Non-metal", {70, 90, 40, 10}},
    {1022, Kind::Edit, nullptr, {17, 103, 40, 12}},
    {1027, Kind::PushLikeRadio, "&Voltage", {130, 22, 36, 37}},
    {1025, Kind::PushLikeRadio, "Loa&d", {130, 62, 36, 27}},
    {1024, Kind::PushLikeRadio, "D&istance", {130, 93, 36, 12}},
    {1026, Kind::PushLikeRadio, "&Wire size", {130, 107, 36, 12}},
    {1018, Kind::Radio, "Percent drop", {177, 25, 55, 10}},
    {1019, Kind::Radio, "Voltage drop", {177, 35, 55, 10}},
    {1020, Kind::Radio, "Final voltage", {177, 45, 55, 10}},
    {1016, Kind::Edit, nullptr, {232, 25, 35, 12}},
    {1017, Kind::Edit, nullptr, {232, 35, 35, 12}},
    {1021, Kind::Edit, nullptr, {232, 45, 35, 12}},
    {1028, Kind::Radio, "Amps", {177, 65, 34, 10}},
    {1029, Kind::Radio, "Volt Amps", {177, 75, 47, 10}},
    {NoControlId, Kind::Static, "Conductors per Phase", {210, 105, 38, 17}},
    {1010, Kind::Edit, nullptr, {232, 65, 35, 12}},
    {1030, Kind::Edit, nullptr, {232, 75, 35, 12}},
    {1009, Kind::Edit, nullptr, {170, 93, 37, 12}},
    {1031, Kind::PushLikeRadio, "Feet", {211, 93, 33, 12}},
    {1032, Kind::PushLikeRadio, "Meters", {246, 93, 33, 12}},
    {1023, Kind::List, nullptr, {170, 107, 37, 77}},
    {1036, Kind::List, nullptr, {252, 108, 27, 77}},
    {1014, Kind::DefaultPush, "&Calculate", {8, 139, 48, 13}},
    {1011, Kind::Push, "C&lear", {84, 139, 48, 13}},
    {1013, Kind::Push, "A&bout...", {160, 139, 48, 13}},
    {2, Kind::Push, "E&xit", {236, 139, 48, 13}},
    {1045, Kind::GroupBox, "Set system type", {7, 7, 113, 118}},
    {NoControlId, Kind::GroupBox, "Phases", {13, 18, 48, 35}},
    {NoControlId, Kind::GroupBox, "Conductor", {66, 18, 48, 35}},
    {NoControlId, Kind::GroupBox, "Current", {13, 56, 48, 35}},
    {NoControlId, Kind::GroupBox, "Raceway", {66, 56, 48, 64}},
    {NoControlId, Kind::GroupBox, "Voltage", {13, 94, 48, 26}},
    {1046, Kind::GroupBox, "Choose button of desired solution", {124, 7, 160, 118}},
    {NoControlId, Kind::GroupBox, "", {170, 17, 109, 43}},
    {NoControlId, Kind::GroupBox, "", {170, 57, 109, 33}},
    {NoControlId, Kind::Static, nullptr, {7, 128, 277, 8}}, // distributor credit line
    {1047, Kind::Static, "3.1.98.0030", {246, 152, 45, 8}},
};

Kind KindOf(QWidget* w) {
  if (qobject_cast<QComboBox*>(w) != nullptr)
    return Kind::List;
  if (qobject_cast<QLineEdit*>(w) != nullptr)
    return Kind::Edit;
  if (qobject_cast<QRadioButton*>(w) != nullptr)
    return Kind::Radio;
  if (auto* button = qobject_cast<QPushButton*>(w)) {
    if (button->isCheckable())
      return Kind::PushLikeRadio;
    return button->isDefault() ? Kind::DefaultPush : Kind::Push;
  }
  if (qobject_cast<QGroupBox*>(w) != nullptr)
    return Kind::GroupBox;
  return Kind::Static;
}

QString CaptionOf(QWidget* w) {
  if (auto* button = qobject_cast<QAbstractButton*>(w))
    return button->text();
  if (auto* box = qobject_cast<QGroupBox*>(w))
    return box->title();
  if (auto* label = qobject_cast<QLabel*>(w))
    return label->text();
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
  EXPECT_EQ(Dlg().windowTitle(), QStringLiteral("Quillfen"));
  const DialogUnits units = Dlg().Controls().units;
  EXPECT_EQ(Dlg().size(), QSize(units.X(291), units.Y(160)));
  EXPECT_EQ(Dlg().minimumSize(), Dlg().maximumSize());
  EXPECT_FALSE(Dlg().windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(Dlg().windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(Template, FortyFiveControlsWithIdsKindsCaptionsAndPlaces) {
  ASSERT_EQ(Ordered().size(), std::size(Rows));
  const DialogUnits units = Dlg().Controls().units;
  for (std::size_t i = 0; i < std::size(Rows); ++i) {
    const Row& row = Rows[i];
    SCOPED_TRACE(::testing::Message() << "row " << i + 1 << " id " << row.id);
    QWidget* w = Ordered()[i];
    EXPECT_EQ(w->parentWidget(), &Dlg());
    if (row.id == NoControlId) {
      EXPECT_FALSE(w->property(ControlIdProperty).isValid());
    } else {
      EXPECT_EQ(w->property(ControlIdProperty).toInt(), row.id);
    }
    EXPECT_EQ(KindOf(w), row.kind);
    if (row.caption != nullptr) {
      EXPECT_EQ(CaptionOf(w), QString::fromUtf8(row.caption));
    }
    const QRect expected = units.Rect(row.rect);
    EXPECT_EQ(w->geometry().topLeft(), expected.topLeft());
    EXPECT_EQ(w->width(), expected.width());
    // A list's template height includes its dropped part.
    if (row.kind != Kind::List) {
      EXPECT_EQ(w->height(), expected.height());
    } else {
      EXPECT_LE(w->height(), expected.height());
    }
  }
  // The credit line is one line of text.
  const QString credit = CaptionOf(Ordered()[43]);
  EXPECT_FALSE(credit.isEmpty());
  EXPECT_FALSE(credit.contains(QLatin1Char('\n')));
  // Only the identified controls can be found by id.
  EXPECT_EQ(Item(1047), Ordered()[44]);
  EXPECT_EQ(Item(IdcExit), Ordered()[33]);
}

TEST_F(Template, EveryControlButFramesAndTextsIsATabStopInTemplateOrder) {
  const auto tabStop = [](const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
  };
  for (std::size_t i = 0; i < std::size(Rows); ++i) {
    SCOPED_TRACE(::testing::Message() << "row " << i + 1);
    QWidget* w = Ordered()[i];
    const bool framesOrText = Rows[i].kind == Kind::GroupBox || Rows[i].kind == Kind::Static;
    const auto* button = qobject_cast<QAbstractButton*>(w);
    if (framesOrText) {
      EXPECT_FALSE(tabStop(w));
    } else if (button != nullptr && button->group() != nullptr) {
      // Tab enters a radio group on its checked button.
      EXPECT_TRUE(w->focusPolicy() & Qt::ClickFocus);
      if (button->isChecked()) {
        EXPECT_TRUE(tabStop(w));
      }
    } else {
      EXPECT_TRUE(tabStop(w));
    }
  }
  // The focus chain visits the controls in template order.
  std::vector<QWidget*> chain;
  QWidget* w = Ordered().front();
  do {
    if (std::find(Ordered().begin(), Ordered().end(), w) != Ordered().end())
      chain.push_back(w);
    w = w->nextInFocusChain();
  } while (w != Ordered().front() && chain.size() <= Ordered().size());
  EXPECT_EQ(chain, Ordered());
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

struct Group {
  int first;
  std::vector<int> buttons; // in index order
};

TEST_F(Template, EightRadioGroupsIndexedInTemplateOrder) {
  const std::vector<Group> groups = {
      {1007, {1007, 1008}},
      {1005, {1005, 1006}},
      {1033, {1033, 1034}},
      {1012, {1012, 1015, 1035}},
      {1027, {1027, 1025, 1024, 1026}},
      {1018, {1018, 1019, 1020}},
      {1028, {1028, 1029}},
      {1031, {1031, 1032}},
  };
  const auto& built = Dlg().Controls().radioGroups;
  EXPECT_EQ(built.size(), static_cast<qsizetype>(groups.size()));
  for (const Group& g : groups) {
    SCOPED_TRACE(g.first);
    QButtonGroup* group = built.value(g.first, nullptr);
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->exclusive());
    EXPECT_EQ(group->buttons().size(), static_cast<qsizetype>(g.buttons.size()));
    for (std::size_t i = 0; i < g.buttons.size(); ++i) {
      EXPECT_EQ(ButtonOf(g.buttons[i])->group(), group) << g.buttons[i];
      EXPECT_EQ(group->id(ButtonOf(g.buttons[i])), static_cast<int>(i)) << g.buttons[i];
    }
  }
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

TEST_F(Template, ToolTipsOnExactlyTheSevenEdits) {
  const std::map<int, QString> tips = {
      {1022, QStringLiteral("Valid range: 1 - 1,000,000")},
      {1016, QStringLiteral("Valid range: 0 - 99.9999")},
      {1017, QStringLiteral("Valid range: 0 - 1,000,000")},
      {1021, QStringLiteral("Valid range: 0 - 1,000,000")},
      {1010, QStringLiteral("Valid range: 0 - 100,000")},
      {1030, QStringLiteral("Valid range: 0 - 100,000,000,000 (wow!)")},
      {1009, QStringLiteral("Valid range: 0 - 1,000,000")},
  };
  std::vector<QWidget*> everything = Ordered();
  everything.push_back(&Dlg());
  for (QWidget* w : everything) {
    const int id = IdOf(w);
    SCOPED_TRACE(id);
    const auto tip = tips.find(id);
    const QString expected = tip == tips.end() ? QString() : tip->second;
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

} // namespace
} // namespace testing_ui
