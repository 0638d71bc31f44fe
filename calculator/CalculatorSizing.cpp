// The Size Conductors command: the conductors, device and ground for the
// circuit on the form, in a modal window over the calculator, like the About
// box. Its installation conditions are kept while the program runs, never
// stored.
#include "CalculatorDlg.h"
#include "sizing/SizeConductorsDlg.h"

#include <QApplication>

namespace calculator {

void CCalculatorDlg::OnSizeConductors() {
  RunOwnedModal([this] {
    // The window shows the record as the edit being left makes it, so the
    // edit leaves before the window is built rather than as it takes the
    // focus. The form itself holds the focus meanwhile: the edit gets it back
    // when the window closes, and leaves only once.
    setFocus(Qt::OtherFocusReason);
    // A rejected entry took the focus back: it has to be put right first.
    if (const QWidget* focused = QApplication::focusWidget();
        focused != nullptr && focused != this && focused->window() == this)
      return;
    sizing::CSizeConductorsDlg dialog(m_state, m_sizingConditions, this);
    dialog.exec();
    m_sizingConditions = dialog.Conditions();
  });
}

} // namespace calculator
