// Holds a window built from a control table to that same table: each row's
// widget class, caption, place in dialog units, identifier, tab stop and radio
// group, and the window's size and font. The tables themselves are the
// program's; a test adds only what the window does on top of them.
#pragma once

#include "dialogkit/DialogTemplate.h"
#include "dialogkit/DialogUnits.h"
#include "dialogkit/DigitsOnlyEdit.h"
#include "dialogkit/PushLikeRadio.h"
#include "dialogkit/TemplateDialog.h"
#include "dialogkit/Text.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace testing_ui {

struct TemplateExceptions {
  std::vector<int> ownText;  // statics whose text the window sets itself
  std::vector<int> ownPlace; // controls the window moves or grows
  // Whether the control is enabled now; all are when not given.
  std::function<bool(int id)> enabled;
};

namespace template_check {

using namespace dialogkit;

inline bool Has(const std::vector<int>& ids, int id) {
  return id != NoControlId && std::find(ids.begin(), ids.end(), id) != ids.end();
}

inline bool TakesFocus(ControlKind kind) {
  return kind != ControlKind::Static && kind != ControlKind::GroupBox && kind != ControlKind::Icon;
}

inline bool IsRadio(ControlKind kind) {
  return kind == ControlKind::PushLikeRadio || kind == ControlKind::Radio;
}

inline bool TabStop(const QWidget& w) { return (w.focusPolicy() & Qt::TabFocus) == Qt::TabFocus; }

inline Qt::Alignment Horizontal(ControlStyle style) {
  if (style & StyleAlignRight)
    return Qt::AlignRight;
  return (style & StyleCenter) ? Qt::AlignHCenter : Qt::AlignLeft;
}

// The widget class and state a row's kind and style bits ask for.
inline void ExpectKind(QWidget& w, const ControlSpec& row, bool ownText) {
  const QString caption = ToQString(row.caption);
  auto* push = qobject_cast<QPushButton*>(&w);
  auto* label = qobject_cast<QLabel*>(&w);
  switch (row.kind) {
  case ControlKind::PushLikeRadio:
    ASSERT_NE(dynamic_cast<PushLikeRadio*>(&w), nullptr);
    EXPECT_TRUE(push->isCheckable());
    EXPECT_EQ(push->text(), caption);
    break;
  case ControlKind::Radio:
    ASSERT_NE(qobject_cast<QRadioButton*>(&w), nullptr);
    EXPECT_EQ(static_cast<QRadioButton&>(w).text(), caption);
    break;
  case ControlKind::Edit: {
    auto* edit = qobject_cast<QLineEdit*>(&w);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(dynamic_cast<DigitsOnlyEdit*>(&w) != nullptr, (row.style & StyleDigitsOnly) != 0);
    EXPECT_EQ(edit->hasFrame(), (row.style & StyleBorder) != 0);
    break;
  }
  case ControlKind::DropDownList:
    ASSERT_NE(qobject_cast<QComboBox*>(&w), nullptr);
    EXPECT_FALSE(static_cast<QComboBox&>(w).isEditable());
    break;
  case ControlKind::PushButton:
  case ControlKind::DefaultPushButton:
    ASSERT_NE(push, nullptr);
    EXPECT_EQ(dynamic_cast<PushLikeRadio*>(&w), nullptr);
    EXPECT_FALSE(push->isCheckable());
    EXPECT_EQ(push->isDefault(), row.kind == ControlKind::DefaultPushButton);
    EXPECT_EQ(push->text(), caption);
    break;
  case ControlKind::GroupBox:
    ASSERT_NE(qobject_cast<QGroupBox*>(&w), nullptr);
    EXPECT_EQ(static_cast<QGroupBox&>(w).title(), caption);
    break;
  case ControlKind::Static:
    ASSERT_NE(label, nullptr);
    if (!ownText) {
      EXPECT_EQ(label->text(), caption);
    }
    EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, Horizontal(row.style));
    EXPECT_EQ(label->frameShadow() == QFrame::Sunken, (row.style & StyleSunken) != 0);
    break;
  case ControlKind::Icon:
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->text().isEmpty());
    EXPECT_FALSE(label->pixmap().isNull());
    break;
  }
}

} // namespace template_check

// Every row of `tmpl` against the window built from it.
inline void ExpectBuiltFromTable(const dialogkit::TemplateDialog& dialog,
                                 const dialogkit::DialogTemplate& tmpl,
                                 const TemplateExceptions& except = {}) {
  using namespace dialogkit;
  using namespace template_check;
  // The conversion is redone from the dialog's font, not taken from the builder.
  EXPECT_EQ(dialog.font().family(), ToQString(tmpl.fontFace));
  EXPECT_EQ(dialog.font().pointSize(), tmpl.pointSize);
  const DialogUnits units = DialogUnits::FromFont(dialog.font());
  EXPECT_EQ(dialog.size(), QSize(units.X(tmpl.width), units.Y(tmpl.height)));
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());

  const std::vector<QWidget*>& built = dialog.Controls().ordered;
  ASSERT_EQ(built.size(), tmpl.controls.size());
  std::vector<QWidget*> tabStops;
  int groupHead = NoControlId; // radio groups run from a group start to the next
  int groupIndex = 0;
  int groups = 0;
  for (std::size_t i = 0; i < built.size(); ++i) {
    const ControlSpec& row = tmpl.controls[i];
    QWidget& w = *built[i];
    SCOPED_TRACE(::testing::Message()
                 << "row " << i + 1 << " id " << row.id << " '" << row.caption << "'");
    EXPECT_EQ(w.parentWidget(), &dialog);
    const QVariant id = w.property(ControlIdProperty);
    EXPECT_EQ(id.isValid() ? id.toInt() : NoControlId, row.id);
    if (row.id != NoControlId) {
      EXPECT_EQ(dialog.GetDlgItem(row.id), &w);
    }
    ExpectKind(w, row, Has(except.ownText, row.id));

    const QRect place = units.Rect(row.rect);
    EXPECT_EQ(w.x(), place.x());
    EXPECT_EQ(w.width(), place.width());
    if (row.kind == ControlKind::DropDownList) {
      // The template height includes the dropped list.
      EXPECT_EQ(w.y(), place.y());
      EXPECT_LE(w.height(), place.height());
    } else if (!Has(except.ownPlace, row.id)) {
      EXPECT_EQ(w.y(), place.y());
      EXPECT_EQ(w.height(), place.height());
    }
    EXPECT_TRUE(w.isVisibleTo(&dialog));
    EXPECT_EQ(w.isEnabled(), except.enabled ? except.enabled(row.id) : true);

    if (row.style & StyleGroup)
      groupHead = NoControlId;
    auto* button = qobject_cast<QAbstractButton*>(&w);
    if (IsRadio(row.kind) && button != nullptr) {
      if (groupHead == NoControlId) {
        groupHead = row.id;
        groupIndex = 0;
        ++groups;
      }
      QButtonGroup* group = dialog.Controls().radioGroups.value(groupHead, nullptr);
      ASSERT_NE(group, nullptr) << "group of " << groupHead;
      EXPECT_TRUE(group->exclusive());
      EXPECT_EQ(button->group(), group);
      EXPECT_EQ(group->id(button), groupIndex++);
    } else if (button != nullptr) {
      EXPECT_EQ(button->group(), nullptr);
    }

    const bool tabStop = TakesFocus(row.kind) && (row.style & StyleTabStop) != 0;
    if (tabStop)
      tabStops.push_back(&w);
    if (tabStop && button != nullptr && button->group() != nullptr) {
      // Tab enters a radio group on its checked button.
      EXPECT_TRUE(w.focusPolicy() & Qt::ClickFocus);
      if (button->isChecked()) {
        EXPECT_TRUE(TabStop(w));
      }
    } else {
      EXPECT_EQ(TabStop(w), tabStop);
    }
  }
  EXPECT_EQ(dialog.Controls().radioGroups.size(), groups);

  // No two buttons answer the same Alt key.
  std::vector<QKeySequence> keys;
  for (QWidget* control : built) {
    auto* button = qobject_cast<QAbstractButton*>(control);
    const QKeySequence key = button ? QKeySequence::mnemonic(button->text()) : QKeySequence();
    if (key.isEmpty())
      continue;
    EXPECT_EQ(std::count(keys.begin(), keys.end(), key), 0) << button->text().toStdString();
    keys.push_back(key);
  }

  // Tab visits the tab stops in table order, whatever their places.
  if (tabStops.empty())
    return;
  std::vector<QWidget*> chain;
  QWidget* w = tabStops.front();
  do {
    if (std::find(tabStops.begin(), tabStops.end(), w) != tabStops.end())
      chain.push_back(w);
    w = w->nextInFocusChain();
  } while (w != tabStops.front() && chain.size() <= tabStops.size());
  EXPECT_EQ(chain, tabStops);
}

} // namespace testing_ui
