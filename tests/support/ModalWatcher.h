// Answers real message boxes, for the tests about focus and activation under
// them: records text, caption and icon of each and presses its button once the
// box is active, so a test never hangs.
#pragma once

#include "BoxAnswers.h"

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

namespace testing_ui {

class ModalWatcher : public QObject {
public:
  ModalWatcher();

  // Boxes seen since the last call, oldest first.
  std::vector<SeenBox> Take();
  std::size_t Count() const { return m_seen.size(); }
  // The most boxes that were open at the same time.
  int MaxOpen() const { return m_maxOpen; }
  // Boxes that had to be answered without ever becoming active: a user could
  // not have reached them with the keyboard.
  int InactiveAnswers() const { return m_inactiveAnswers; }
  // Runs while a box is open, before it is answered (e.g. to look at the form).
  void OnBox(std::function<void(QMessageBox&)> hook) { m_hook = std::move(hook); }

private:
  void Poll();

  QTimer m_timer;
  std::vector<SeenBox> m_seen;
  std::function<void(QMessageBox&)> m_hook;
  QMessageBox* m_pending = nullptr;
  int m_waitedTicks = 0;
  int m_maxOpen = 0;
  int m_inactiveAnswers = 0;
};

} // namespace testing_ui
