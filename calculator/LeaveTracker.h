// Tells the calculator when one of its edits or lists loses the keyboard
// focus for real, so that its leave handler runs at once, nested inside
// whatever moved the focus.
#pragma once

#include <QObject>
#include <QSet>
#include <functional>

class QWidget;

namespace calculator {

class LeaveTracker : public QObject {
public:
  // `onLeave` gets the control's id; nothing is reported while `paused`
  // answers true (the form being read or written, the window closing).
  LeaveTracker(std::function<void(int controlId)> onLeave, std::function<bool()> paused);

  void Watch(QWidget& control);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  std::function<void(int)> m_onLeave;
  std::function<bool()> m_paused;
  // Controls that had a FocusIn and no real FocusOut since: only they can leave.
  QSet<QObject*> m_holdingFocus;
  // Controls whose leave handler is running.
  QSet<int> m_leaving;
};

} // namespace calculator
