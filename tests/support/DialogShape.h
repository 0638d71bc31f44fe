// What a window built from a control table offers beyond its drawing: the
// control each identifier finds, the radio groups, the Alt keys and the order
// Tab visits. A test writes what it expects; how a row becomes a widget is
// the builder's test in tests/dialogkit.
#pragma once

#include "dialogkit/TemplateDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QKeySequence>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace testing_ui {

// The identifier of a control, NoControl for nothing and OutsideForm for a
// widget without one (a message box).
inline constexpr int NoControl = dialogkit::NoControlId;
inline constexpr int OutsideForm = -2;
inline int IdOf(const QObject* object) {
  const QVariant id = object ? object->property(dialogkit::ControlIdProperty) : QVariant();
  return object == nullptr ? NoControl : id.isValid() ? id.toInt() : OutsideForm;
}

// Each row's identifier finds that row's control: no two rows share one.
inline void ExpectEachIdFindsItsRow(const dialogkit::TemplateDialog& dialog,
                                    const dialogkit::DialogTemplate& tmpl) {
  ASSERT_EQ(dialog.Controls().ordered.size(), tmpl.controls.size());
  for (std::size_t i = 0; i < tmpl.controls.size(); ++i) {
    if (const int id = tmpl.controls[i].id; id != dialogkit::NoControlId) {
      EXPECT_EQ(dialog.GetDlgItem(id), dialog.Controls().ordered[i]) << "id " << id;
    }
  }
}

// The radio groups in table order, each as its buttons' identifiers.
inline std::vector<std::vector<int>> RadioGroupsOf(const dialogkit::TemplateDialog& dialog) {
  std::vector<std::vector<int>> groups;
  std::vector<const QButtonGroup*> seen;
  for (QWidget* w : dialog.Controls().ordered) {
    auto* button = qobject_cast<QAbstractButton*>(w);
    const QButtonGroup* group = button != nullptr ? button->group() : nullptr;
    if (group == nullptr || std::find(seen.begin(), seen.end(), group) != seen.end())
      continue;
    seen.push_back(group);
    groups.emplace_back();
    for (const QAbstractButton* member : group->buttons())
      groups.back().push_back(IdOf(member));
  }
  return groups;
}

// The Alt key of every button that has one ("Alt+W"), by identifier.
inline std::map<int, std::string> MnemonicsOf(const QWidget& dialog) {
  std::map<int, std::string> keys;
  for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
    const QKeySequence key = QKeySequence::mnemonic(button->text());
    if (!key.isEmpty())
      keys[IdOf(button)] = key.toString(QKeySequence::PortableText).toStdString();
  }
  return keys;
}

// The controls the focus visits as Tab is pressed from `first` until it is
// back there, or `limit` presses.
inline std::vector<int> TabWalk(QWidget* first, int limit = 64) {
  first->setFocus(Qt::TabFocusReason);
  std::vector<int> visited;
  for (QWidget* now = first; now != nullptr && limit-- > 0 && (visited.empty() || now != first);
       now = QApplication::focusWidget()) {
    visited.push_back(IdOf(now));
    QTest::keyClick(now, Qt::Key_Tab);
    QCoreApplication::processEvents();
  }
  return visited;
}

} // namespace testing_ui
