#include "WindowWatcher.h"

namespace testing_ui {

namespace {
// A widget that never becomes active is answered anyway after this many ticks.
constexpr int MaxWaitTicks = 400;
} // namespace

Watcher::Watcher(std::function<QWidget*()> find, std::function<void(QWidget&)> answer)
    : m_find(std::move(find)), m_answer(std::move(answer)) {
  m_timer.setInterval(2);
  connect(&m_timer, &QTimer::timeout, this, &Watcher::Poll);
  m_timer.start();
}

void Watcher::Poll() {
  QWidget* w = m_find();
  if (w == nullptr || !w->isVisible()) {
    m_pending = nullptr;
    return;
  }
  if (w != m_pending) {
    m_pending = w;
    m_waitedTicks = 0;
  }
  if (!w->isActiveWindow() && ++m_waitedTicks < MaxWaitTicks)
    return;
  m_pending = nullptr;
  ++m_count;
  QPointer<QWidget> answered = w;
  m_answer(*w);
  if (answered && answered->isVisible())
    answered->close();
}

} // namespace testing_ui
