// Answers the program's message boxes without opening them: each is recorded
// with its text, caption, icon and owner and answered Ok at once. While it
// lives, no real box opens, so nothing takes the focus from the form.
#pragma once

#include "dialogkit/MessageBox.h"

#include <functional>
#include <utility>
#include <vector>

namespace testing_ui {

using SeenBox = dialogkit::MessageBoxShown;

class BoxAnswers {
public:
  BoxAnswers() {
    dialogkit::SetMessageBoxAnswerer([this](const SeenBox& box) {
      m_seen.push_back(box);
      if (m_hook)
        m_hook(box);
      return QMessageBox::Ok;
    });
  }
  ~BoxAnswers() { dialogkit::SetMessageBoxAnswerer(nullptr); }
  BoxAnswers(const BoxAnswers&) = delete;
  BoxAnswers& operator=(const BoxAnswers&) = delete;

  // Real boxes from now on, for tests about focus and activation under them.
  void Stop() { dialogkit::SetMessageBoxAnswerer(nullptr); }

  // Boxes since the last call, oldest first.
  std::vector<SeenBox> Take() { return std::exchange(m_seen, {}); }
  std::size_t Count() const { return m_seen.size(); }
  // Runs as each box is shown, before it is answered.
  void OnBox(std::function<void(const SeenBox&)> hook) { m_hook = std::move(hook); }

private:
  std::vector<SeenBox> m_seen;
  std::function<void(const SeenBox&)> m_hook;
};

} // namespace testing_ui
