// Helpers shared by the form tests: how a message box is recognised, the
// numbers a message quotes, a log of focus moves and boxes in the order they
// happen, so a test can assert that one handler ran inside another, and the
// window's context menu.
#pragma once

#include "DialogFixture.h"
#include "DialogShape.h"
#include "WindowWatcher.h"

#include "engine/CalcState.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <string>
#include <vector>

namespace calculator {
// The calculator's record, writable, for tests that need a state the form
// cannot reach.
class CalculatorTestAccess {
public:
  static engine::CalcState& Record(CCalculatorDlg& dlg) { return dlg.m_state; }
};
} // namespace calculator

namespace testing_ui {

// The framework's validation messages carry the application name; the
// program's own warnings carry the product name.
inline QString ValidationCaption() { return QStringLiteral("Tamsik"); }
inline QString WarningCaption() { return QStringLiteral("Quillfen"); }
inline QString WireSizeWarningText() {
  return QStringLiteral("Wire size out of range.\nUse smaller values\nor higher voltage.");
}

// Every number a message quotes, in order (the wording itself is free).
inline QStringList NumbersIn(const QString& text) {
  static const QRegularExpression number(
      QStringLiteral(R"([-+]?(\d+(\.\d+)?|\.\d+)([eE][-+]?\d+)?)"));
  QStringList found;
  for (auto it = number.globalMatch(text); it.hasNext();)
    found << it.next().captured(0);
  return found;
}

inline ::testing::AssertionResult IsNotANumberBox(const SeenBox& box) {
  if (box.caption != ValidationCaption() || box.icon != QMessageBox::Warning)
    return ::testing::AssertionFailure() << "caption/icon: " << box.caption.toStdString();
  // A request for a number quotes no bounds.
  if (box.text.isEmpty() || !NumbersIn(box.text).isEmpty())
    return ::testing::AssertionFailure() << "text: " << box.text.toStdString();
  return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult IsRangeBox(const SeenBox& box, const QString& min,
                                             const QString& max) {
  if (box.caption != ValidationCaption() || box.icon != QMessageBox::Warning)
    return ::testing::AssertionFailure() << "caption/icon: " << box.caption.toStdString();
  if (NumbersIn(box.text) != QStringList{min, max})
    return ::testing::AssertionFailure() << "text: " << box.text.toStdString();
  return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult IsWireSizeWarning(const SeenBox& box) {
  if (box.text == WireSizeWarningText() && box.caption == WarningCaption() &&
      box.icon == QMessageBox::Warning)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << box.caption.toStdString() << ": " << box.text.toStdString();
}

// Records "in <id>" and "out <id>" for every focus event of a form control
// before the dialog's own handling of it, plus whatever a test adds (a box
// and what the form looked like while it was open).
class EventLog : public QObject {
public:
  explicit EventLog(const calculator::CCalculatorDlg& dialog) {
    // Filters run newest first, so these see each event before the dialog.
    for (QWidget* widget : dialog.Controls().ordered) {
      if (IdOf(widget) != OutsideForm)
        widget->installEventFilter(this);
    }
  }
  void Add(std::string entry) { m_entries.push_back(std::move(entry)); }
  const std::vector<std::string>& Entries() const { return m_entries; }
  void Clear() { m_entries.clear(); }
  // Position of the first entry equal to `entry` at or after `from`; -1 if none.
  int IndexOf(const std::string& entry, int from = 0) const {
    for (int i = std::max(from, 0); i < static_cast<int>(m_entries.size()); ++i) {
      if (m_entries[static_cast<std::size_t>(i)] == entry)
        return i;
    }
    return -1;
  }
  // The entries that start with `prefix`, in order.
  std::vector<std::string> Only(const std::string& prefix) const {
    std::vector<std::string> kept;
    for (const std::string& e : m_entries) {
      if (e.rfind(prefix, 0) == 0)
        kept.push_back(e);
    }
    return kept;
  }
  std::string Joined() const {
    std::string all;
    for (const std::string& e : m_entries)
      all += e + "; ";
    return all;
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn)
      Add("in " + std::to_string(IdOf(watched)));
    else if (event->type() == QEvent::FocusOut)
      Add("out " + std::to_string(IdOf(watched)));
    return false;
  }

private:
  std::vector<std::string> m_entries;
};

// The dialog fixture with the steps the form tests share.
class FormTest : public DialogFixture {
protected:
  std::vector<SeenBox> Boxes() { return m_boxes.Take(); }
  engine::CalcState& Record() { return calculator::CalculatorTestAccess::Record(*m_dlg); }
  // The edit has the focus and all its text is selected.
  ::testing::AssertionResult FocusedAndSelected(int id) const {
    QLineEdit* edit = EditOf(id);
    if (QApplication::focusWidget() != edit)
      return ::testing::AssertionFailure() << "focus is on " << IdOf(QApplication::focusWidget());
    if (edit->selectedText() != edit->text())
      return ::testing::AssertionFailure() << "selected '" << edit->selectedText().toStdString()
                                           << "' of '" << edit->text().toStdString() << "'";
    return ::testing::AssertionSuccess();
  }
  // Takes the focus to the Calculate button without pressing it: only the
  // leave handler of the control that had the focus runs.
  void Leave() { FocusOn(calculator::IdcCalculate); }
  // A new selection in a list, as the user makes it.
  void Select(int id, int index) {
    ListOf(id)->setCurrentIndex(index);
    Settle();
  }
  // Presses a button without moving the focus, as its mnemonic or the Enter
  // key does.
  void Activate(int id) {
    ButtonOf(id)->click();
    Settle();
  }
  QString ListText(int id) const { return ListOf(id)->currentText(); }
  // Opens the window's context menu on its background and picks `item`.
  void PickFromContextMenu(const QString& item) {
    const Watcher menu([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); },
                       [&item](QWidget& w) {
                         auto& popup = static_cast<QMenu&>(w);
                         for (QAction* action : popup.actions()) {
                           if (action->text() == item) {
                             popup.setActiveAction(action);
                             QTest::keyClick(&popup, Qt::Key_Return);
                           }
                         }
                       });
    const QPoint at(2, 2); // left of the system-type box
    EXPECT_EQ(Dlg().childAt(at), nullptr) << "no background at 2,2";
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, Dlg().mapToGlobal(at));
    QApplication::sendEvent(&Dlg(), &event);
  }
};

} // namespace testing_ui
