#include "OwnedModal.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QWidget>

namespace dialogkit {

namespace {

// How long the owner waits for the window system to give it back the
// activation after one of its boxes closed.
constexpr int ActivationWaitMs = 200;

} // namespace

void RunOwnedModal(QWidget& owner, const std::function<void()>& run) {
  QPointer<QWidget> hadFocus = QApplication::focusWidget();
  if (hadFocus && hadFocus->window() != &owner)
    hadFocus = nullptr;
  if (!hadFocus)
    hadFocus = owner.focusWidget();

  run();

  if (!owner.isVisible())
    return;
  // Without a window manager nothing reactivates the owner; do it here so
  // the focus, and with it every later leave, behaves the same everywhere.
  // A box raised while another box took the focus hands the activation back
  // to that box instead: giving the form its focus under an open box would
  // let the next box take it again and run leave handlers without end.
  // Whatever closing the box told the window system is settled first, and the
  // reactivation is awaited here: arriving later, inside the next box, it
  // would do just that.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  QWidget* reactivate = &owner;
  if (QWidget* outer = QApplication::activeModalWidget(); outer != nullptr && outer != &owner)
    reactivate = outer;
  reactivate->activateWindow();
  const QDeadlineTimer deadline(ActivationWaitMs);
  while (!reactivate->isActiveWindow() && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
  if (!reactivate->isActiveWindow()) {
    // A window manager may refuse; the owner still behaves as the active one.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(reactivate);
    QT_WARNING_POP
  }
  if (reactivate != &owner)
    return;
  if (hadFocus && hadFocus->isEnabled() && !hadFocus->hasFocus())
    hadFocus->setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace dialogkit
