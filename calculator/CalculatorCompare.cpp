// The size comparison command: every wire size for the circuit on the form,
// in a modal dialog over the calculator, like the About box.
#include "CalculatorDlg.h"
#include "compare/CompareWireSizesDlg.h"

#include <QApplication>

namespace calculator {

void CCalculatorDlg::OnCompareWireSizes() {
  RunOwnedModal([this] {
    // The dialog shows the record as the edit being left makes it, so the
    // edit leaves before the dialog is built rather than as it takes the
    // focus. The form itself holds the focus meanwhile: the edit gets it back
    // when the dialog closes, and leaves only once.
    setFocus(Qt::OtherFocusReason);
    // A rejected entry took the focus back: it has to be put right first.
    if (const QWidget* focused = QApplication::focusWidget();
        focused != nullptr && focused != this && focused->window() == this)
      return;
    compare::CCompareWireSizesDlg dialog(m_state, this);
    dialog.exec();
  });
}

} // namespace calculator
