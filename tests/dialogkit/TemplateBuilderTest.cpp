// The builder on a small table of its own: one widget per row in table order,
// each kind's widget, places in dialog units of the table's font, radio
// groups, and Tab in table order whatever the places.
#include "DialogShape.h"
#include "WidgetFixture.h"

#include "dialogkit/DialogUnits.h"
#include "dialogkit/DigitsOnlyEdit.h"
#include "dialogkit/PushLikeRadio.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <cstdlib>

namespace testing_ui {
namespace {

using namespace dialogkit;
using enum ControlKind;

enum : int { IdOne = 10, IdTwo, IdLeft, IdRight, IdDigits, IdPlain, IdList };
enum : int { IdPush = 20, IdGo, IdAnd, IdNote, IdIcon, IdBox };

constexpr ControlSpec Controls[] = {
    {IdOne, PushLikeRadio, "&One", {8, 8, 32, 16}, StyleGroup | StyleTabStop},
    {IdTwo, PushLikeRadio, "T&wo", {8, 24, 32, 16}, StyleTabStop},
    {IdLeft, Radio, "Left", {48, 8, 32, 8}, StyleGroup | StyleTabStop},
    {IdRight, Radio, "Right", {48, 16, 32, 8}, StyleTabStop},
    {IdDigits, Edit, "", {88, 8, 32, 16}, StyleTabStop | StyleBorder | StyleDigitsOnly, "Digits"},
    // Left of and below the edit before it: Tab still follows the table.
    {IdPlain, Edit, "", {4, 48, 32, 16}, StyleTabStop},
    {IdList, DropDownList, "", {88, 32, 32, 48}, StyleTabStop},
    {IdPush, PushButton, "&Push", {124, 8, 32, 16}, StyleTabStop},
    {IdGo, DefaultPushButton, "&Go", {124, 32, 32, 16}, StyleTabStop},
    {IdAnd, Static, "a & b", {40, 72, 40, 8}, StyleAlignRight | StyleSunken},
    {IdNote, Static, "Note", {84, 72, 40, 16}, StyleCenter, "Remark"},
    {IdIcon, Icon, "", {4, 72, 32, 16}, StyleNone},
    // After the buttons it encloses, and still behind them.
    {IdBox, GroupBox, "Box", {4, 0, 80, 40}, StyleGroup | StyleFramed},
};
constexpr DialogTemplate Small = {"Small", 160, 96, "MS Sans Serif", 8, Controls};

struct SmallDialog final : TemplateDialog {
  SmallDialog() : TemplateDialog(Small, QIcon(QPixmap(32, 32)), nullptr) {}
  void OnCreate() override { ++created; }
  int created = 0;
};

class TemplateBuilder : public WidgetFixture {
protected:
  void SetUp() override { ShowActive(m_dialog); }
  QWidget* Item(int id) const { return m_dialog.GetDlgItem(id); }
  SmallDialog m_dialog;
};

TEST_F(TemplateBuilder, PlacesRowsInDialogUnitsOfTheTemplateFont) {
  EXPECT_EQ(m_dialog.windowTitle(), QStringLiteral("Small"));
  EXPECT_EQ(m_dialog.font().pointSize(), 8);
  // Windows' base units: the average width of the 52 letters, the line height.
  const auto [baseX, baseY] = m_dialog.Controls().units;
  const QFontMetrics metrics(m_dialog.font());
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  EXPECT_LE(std::abs(52 * baseX - letters), 26) << baseX << " for " << letters;
  EXPECT_EQ(baseY, metrics.height());
  // A dialog unit is a quarter of the base width, an eighth of its height.
  EXPECT_EQ(m_dialog.size(), QSize(40 * baseX, 12 * baseY));
  EXPECT_EQ(m_dialog.minimumSize(), m_dialog.maximumSize());
  EXPECT_EQ(Item(IdPlain)->geometry(), QRect(baseX, 6 * baseY, 8 * baseX, 2 * baseY));
  // Closed, the list is one line high within its dropped height.
  const QRect list = Item(IdList)->geometry();
  EXPECT_EQ(list.topLeft(), QPoint(22 * baseX, 4 * baseY));
  EXPECT_EQ(list.width(), 8 * baseX);
  EXPECT_LT(list.height(), 6 * baseY);
  EXPECT_TRUE(m_dialog.windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(m_dialog.windowFlags() &
               (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

TEST_F(TemplateBuilder, OneWidgetPerRowInTableOrderMadeOnce) {
  const std::vector<QWidget*> built = m_dialog.Controls().ordered;
  ASSERT_EQ(built.size(), std::size(Controls));
  for (std::size_t i = 0; i < built.size(); ++i) {
    EXPECT_EQ(IdOf(built[i]), Controls[i].id);
    EXPECT_EQ(Item(Controls[i].id), built[i]);
    EXPECT_TRUE(built[i]->parentWidget() == &m_dialog && built[i]->isVisible());
  }
  m_dialog.Create();
  EXPECT_EQ(m_dialog.created, 1);
  EXPECT_EQ(m_dialog.Controls().ordered, built);
}

template <class T> T* As(QWidget* w) { return dynamic_cast<T*>(w); }

TEST_F(TemplateBuilder, EachKindBecomesItsWidget) {
  auto* one = As<dialogkit::PushLikeRadio>(Item(IdOne));
  ASSERT_TRUE(one != nullptr && one->isCheckable());
  EXPECT_FALSE(one->autoDefault()); // Enter goes to the default button
  EXPECT_EQ(one->accessibleName(), QStringLiteral("One"));
  EXPECT_NE(As<QRadioButton>(Item(IdLeft)), nullptr);
  ASSERT_TRUE(As<DigitsOnlyEdit>(Item(IdDigits)) && As<QLineEdit>(Item(IdDigits))->hasFrame());
  EXPECT_EQ(Item(IdDigits)->accessibleName(), QStringLiteral("Digits"));
  ASSERT_TRUE(As<QLineEdit>(Item(IdPlain)) && !As<DigitsOnlyEdit>(Item(IdPlain)));
  EXPECT_FALSE(As<QLineEdit>(Item(IdPlain))->hasFrame());
  ASSERT_TRUE(As<QComboBox>(Item(IdList)) && !As<QComboBox>(Item(IdList))->isEditable());
  for (const int id : {IdPush, IdGo}) {
    auto* push = As<QPushButton>(Item(id));
    ASSERT_TRUE(push != nullptr && !As<dialogkit::PushLikeRadio>(push) && !push->isCheckable());
    EXPECT_EQ(push->isDefault(), id == IdGo);
  }
  // Texts show as written, '&' included, and are read as drawn.
  auto* both = As<QLabel>(Item(IdAnd));
  auto* note = As<QLabel>(Item(IdNote));
  ASSERT_TRUE(both != nullptr && note != nullptr);
  EXPECT_EQ(both->text(), QStringLiteral("a & b"));
  EXPECT_EQ(both->accessibleName(), QStringLiteral("a & b"));
  EXPECT_EQ(note->accessibleDescription(), QStringLiteral("Remark"));
  EXPECT_EQ(both->alignment(), Qt::AlignRight | Qt::AlignTop);
  EXPECT_EQ(note->alignment(), Qt::AlignHCenter | Qt::AlignTop);
  EXPECT_TRUE(both->frameShadow() == QFrame::Sunken && note->frameShadow() != QFrame::Sunken);
  EXPECT_TRUE(note->wordWrap() && !both->wordWrap()); // two lines high, or one
  ASSERT_TRUE(As<QLabel>(Item(IdIcon)) && As<QLabel>(Item(IdIcon))->text().isEmpty());
  EXPECT_FALSE(As<QLabel>(Item(IdIcon))->pixmap().isNull());
  ASSERT_NE(As<QGroupBox>(Item(IdBox)), nullptr);
  EXPECT_EQ(As<QGroupBox>(Item(IdBox))->title(), QStringLiteral("Box"));
  EXPECT_EQ(m_dialog.childAt(one->geometry().center()), one);
}

TEST_F(TemplateBuilder, RadioGroupsRunFromAGroupStartToTheNext) {
  EXPECT_EQ(RadioGroupsOf(m_dialog),
            (std::vector<std::vector<int>>{{IdOne, IdTwo}, {IdLeft, IdRight}}));
  // Keyed by the first button; a button's id, the value the form reads, is its place.
  EXPECT_EQ(m_dialog.Controls().radioGroups.size(), 2);
  for (const int head : {IdOne, IdLeft}) {
    QButtonGroup* group = m_dialog.Controls().radioGroups.value(head);
    ASSERT_TRUE(group != nullptr && group->exclusive()) << head;
    EXPECT_EQ(group->id(As<QAbstractButton>(Item(head))), 0);
    EXPECT_EQ(group->id(As<QAbstractButton>(Item(head + 1))), 1);
  }
  EXPECT_EQ(As<QAbstractButton>(Item(IdPush))->group(), nullptr);
}

// Checked by the program, as the form's exchange checks them.
TEST_F(TemplateBuilder, TabFollowsTheTableEnteringEachGroupOnItsCheckedButton) {
  As<QAbstractButton>(Item(IdRight))->setChecked(true);
  As<QAbstractButton>(Item(IdTwo))->setChecked(true);
  EXPECT_EQ(TabWalk(Item(IdTwo)),
            (std::vector<int>{IdTwo, IdRight, IdDigits, IdPlain, IdList, IdPush, IdGo}));
}

TEST(DialogUnitsConversion, RoundsHalfAwayFromZeroWithoutOverflow) {
  const struct {
    int a, b, c, result;
  } cases[] = {{3, 5, 2, 8},    {-3, 5, 2, -8}, {3, -5, 2, -8},
               {7, 6, -4, -11}, {1, 1, 4, 0},   {2, 1, 4, 1},
               {5, 7, 4, 9},    {0, 9, 4, 0},   {1 << 20, 1 << 12, 8, 1 << 29}};
  for (const auto& c : cases)
    EXPECT_EQ(DialogUnits::MulDiv(c.a, c.b, c.c), c.result) << c.a << " * " << c.b << " / " << c.c;
  // Each side on its own: 4.5, 4.875, 7.5 and 6.5 pixels.
  EXPECT_EQ((DialogUnits{6, 13}.Rect({3, 3, 5, 4})), QRect(5, 5, 8, 7));
}

} // namespace
} // namespace testing_ui
