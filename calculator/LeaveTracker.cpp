#include "LeaveTracker.h"

#include "dialogkit/TemplateBuilder.h"

#include <QApplication>
#include <QFocusEvent>
#include <QVariant>
#include <QWidget>

namespace calculator {

LeaveTracker::LeaveTracker(std::function<void(int)> onLeave, std::function<bool()> paused)
    : m_onLeave(std::move(onLeave)), m_paused(std::move(paused)) {}

void LeaveTracker::Watch(QWidget& control) { control.installEventFilter(this); }

bool LeaveTracker::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    m_holdingFocus.insert(watched);
  } else if (event->type() == QEvent::FocusOut) {
    const auto* focusEvent = static_cast<QFocusEvent*>(event);
    // Opening a list's own popup is not leaving it.
    if (focusEvent->reason() == Qt::PopupFocusReason || QApplication::activePopupWidget())
      return false;
    // A FocusOut without a FocusIn before it is not a real loss of focus.
    if (!m_holdingFocus.remove(watched))
      return false;
    // Let the control finish its own focus handling before the rule runs.
    watched->event(event);
    // A control cannot lose the focus again while its own leave handler runs
    // (the boxes it raises keep the form's focus until they close); a nested
    // loss here is a box activation passing through, not the user leaving.
    const int id = watched->property(dialogkit::ControlIdProperty).toInt();
    if (!m_paused() && !m_leaving.contains(id)) {
      m_leaving.insert(id);
      m_onLeave(id);
      m_leaving.remove(id);
    }
    return true;
  }
  return QObject::eventFilter(watched, event);
}

} // namespace calculator
