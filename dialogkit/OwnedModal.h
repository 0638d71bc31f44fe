// Runs a modal box or dialog over one of the program's windows and gives that
// window its activation and focus back afterwards, as a native dialog does.
#pragma once

#include <functional>

class QWidget;

namespace dialogkit {

// `run` shows the modal window and returns when it has closed. The focus the
// owner had goes back to the same control, unless `run` closed the owner or
// another modal box is still open over it (that box keeps the activation).
void RunOwnedModal(QWidget& owner, const std::function<void()>& run);

} // namespace dialogkit
