// The size comparison command: every wire size for the circuit on the form,
// in a modal dialog over the calculator, like the About box.
#include "CalculatorDlg.h"
#include "compare/CompareWireSizesDlg.h"

namespace calculator {

void CCalculatorDlg::OnCompareWireSizes() {
  // The dialog shows the record as the edit being left makes it.
  RunOnFinishedEntry([this] {
    compare::CCompareWireSizesDlg dialog(m_state, this);
    dialog.exec();
  });
}

} // namespace calculator
