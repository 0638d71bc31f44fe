// Answers real message boxes, for the tests about focus and activation under
// them: records text, caption and icon of each and presses its button once the
// box is active, so a test never hangs.
#pragma once

#include "BoxAnswers.h"
#include "WindowWatcher.h"

#include <QMessageBox>
#include <functional>
#include <utility>
#include <vector>

namespace testing_ui {

class ModalWatcher {
public:
  ModalWatcher();

  // Boxes seen since the last call, oldest first.
  std::vector<SeenBox> Take() { return std::exchange(m_seen, {}); }
  // The most boxes that were open at the same time.
  int MaxOpen() const { return m_maxOpen; }
  // Boxes that had to be answered without ever becoming active: a user could
  // not have reached them with the keyboard.
  int InactiveAnswers() const { return m_inactiveAnswers; }
  // Runs while a box is open, before it is answered (e.g. to look at the form).
  void OnBox(std::function<void(QMessageBox&)> hook) { m_hook = std::move(hook); }
  // The message boxes open now.
  static int OpenBoxes();

private:
  void Answer(QMessageBox& box);

  std::vector<SeenBox> m_seen;
  std::function<void(QMessageBox&)> m_hook;
  int m_maxOpen = 0;
  int m_inactiveAnswers = 0;
  Watcher m_watcher; // last: stops polling before the rest goes
};

} // namespace testing_ui
