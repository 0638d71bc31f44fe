// The Size Conductors command: the conductors, device and ground for the
// circuit on the form, in a modal window over the calculator, like the About
// box. Its installation conditions are kept while the program runs, never
// stored.
#include "CalculatorDlg.h"
#include "sizing/SizeConductorsDlg.h"

namespace calculator {

void CCalculatorDlg::OnSizeConductors() {
  // The window shows the record as the finished entry makes it.
  RunOnFinishedEntry([this] {
    sizing::CSizeConductorsDlg dialog(m_state, m_sizingConditions, this);
    dialog.SetReportSaver([this](QWidget* owner, const std::function<QByteArray()>& render) {
      SaveSizingReport(*owner, render);
    });
    dialog.exec();
    m_sizingConditions = dialog.Conditions();
  });
}

} // namespace calculator
