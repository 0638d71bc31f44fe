#include "ModalWatcher.h"

#include <QAbstractButton>
#include <QApplication>

namespace testing_ui {

namespace {
// A box that never becomes active is answered anyway after this many ticks.
constexpr int MaxWaitTicks = 400;
} // namespace

ModalWatcher::ModalWatcher() {
  m_timer.setInterval(2);
  connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::Poll);
  m_timer.start();
}

std::vector<SeenBox> ModalWatcher::Take() {
  std::vector<SeenBox> seen;
  seen.swap(m_seen);
  return seen;
}

void ModalWatcher::Poll() {
  int open = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (qobject_cast<QMessageBox*>(w) != nullptr && w->isVisible())
      ++open;
  }
  m_maxOpen = std::max(m_maxOpen, open);

  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) {
    m_pending = nullptr;
    return;
  }
  if (box != m_pending) {
    m_pending = box;
    m_waitedTicks = 0;
  }
  if (!box->isActiveWindow() && ++m_waitedTicks < MaxWaitTicks)
    return;
  if (!box->isActiveWindow())
    ++m_inactiveAnswers;
  m_pending = nullptr;
  m_seen.push_back({box->text(), box->windowTitle(), box->icon()});
  if (m_hook)
    m_hook(*box);
  if (QAbstractButton* ok = box->button(QMessageBox::Ok))
    ok->click();
  else
    box->reject();
}

} // namespace testing_ui
