#include "ModalWatcher.h"

#include <QAbstractButton>
#include <QApplication>

namespace testing_ui {

ModalWatcher::ModalWatcher()
    : m_watcher(
          [this]() -> QWidget* {
            // Counted at every poll, so two boxes open together are seen.
            m_maxOpen = std::max(m_maxOpen, OpenBoxes());
            return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
          },
          [this](QWidget& box) { Answer(static_cast<QMessageBox&>(box)); }) {}

int ModalWatcher::OpenBoxes() {
  int open = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    open += qobject_cast<QMessageBox*>(w) != nullptr && w->isVisible() ? 1 : 0;
  return open;
}

void ModalWatcher::Answer(QMessageBox& box) {
  if (!box.isActiveWindow())
    ++m_inactiveAnswers;
  m_seen.push_back({box.text(), box.windowTitle(), box.icon(), box.parentWidget()});
  if (m_hook)
    m_hook(box);
  if (QAbstractButton* ok = box.button(QMessageBox::Ok))
    ok->click();
  else
    box.reject();
}

} // namespace testing_ui
