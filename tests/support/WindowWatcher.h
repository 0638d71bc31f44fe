// Answers a window a test opens and cannot reach while it runs modally (a
// dialog, a popup menu): inspects it and closes it, so a test never hangs.
#pragma once

#include <QApplication>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace testing_ui {

// Polls for a widget `find` picks (an open modal dialog, a popup menu); runs
// `answer` on each one once, then closes it if `answer` left it open.
class Watcher : public QObject {
public:
  Watcher(std::function<QWidget*()> find, std::function<void(QWidget&)> answer);
  // Widgets answered so far.
  int Count() const { return m_count; }

private:
  void Poll();

  QTimer m_timer;
  std::function<QWidget*()> m_find;
  std::function<void(QWidget&)> m_answer;
  QPointer<QWidget> m_pending;
  int m_waitedTicks = 0;
  int m_count = 0;
};

// Answers every modal dialog of class T once it is active.
template <class T> std::unique_ptr<Watcher> WatchModal(std::function<void(T&)> answer) {
  return std::make_unique<Watcher>(
      [] { return qobject_cast<T*>(QApplication::activeModalWidget()); },
      [answer = std::move(answer)](QWidget& w) { answer(static_cast<T&>(w)); });
}

} // namespace testing_ui
