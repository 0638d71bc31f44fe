// The dialog's initialisation and exit: the start-up sequence with its stored
// selections, tooltips and caption font, and saving the selections on close.
#include "CalculatorDlg.h"
#include "CalculatorTemplate.h"
#include "FormBindings.h"
#include "StringTable.h"
#include "dialogkit/DrawableFont.h"
#include "dialogkit/Text.h"
#include "settings/PersistedSettings.h"

#include "engine/ConductorTables.h"
#include "engine/Operations.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>

namespace calculator {

using namespace engine;

void CCalculatorDlg::OnInitDialog() {
  FillLists();
  WriteForm();
  AddAboutMenuItem();
  SetIcons();
  LoadStoredSelections();
  WriteForm();
  m_strMsgCaption = dialogkit::ToQString(IdsMessageCaption);
  m_state.FeetLength = 0.0;
  m_state.EffectiveArea = EffectiveAreaFor(m_state.WireSize, m_state.ConductorsIndex);
  // The store keeps the result mode but not its number: without this, a start
  // in Voltage drop or Final voltage mode would solve from a given result of 0.
  DeriveDropFromPercent(m_state);
  WriteForm();
  if (m_state.Phase == PhaseSingle)
    SetSinglePhase(m_state, *this);
  else
    SetThreePhase(m_state, *this);
  SelectKFactor(m_state, *this);
  switch (m_state.SolveFor) {
  case SolveVoltage:
    OnSolveForVoltage();
    break;
  case SolveLoad:
    OnSolveForLoad();
    break;
  case SolveDistance:
    OnSolveForDistance();
    break;
  default:
    OnSolveForWireSize();
    break;
  }
  CreateToolTips();
  ApplyCaptionFont();
}

void CCalculatorDlg::SetIcons() { setWindowIcon(Icon()); }

void CCalculatorDlg::LoadStoredSelections() { settings::ReadStoredSelections(m_state); }

void CCalculatorDlg::StoreSelections() { settings::WriteStoredSelections(m_state); }

void CCalculatorDlg::CreateToolTips() {
  for (const FormBinding& binding : FormBindings) {
    if (!binding.toolTip.empty())
      GetDlgItem(binding.controlId)->setToolTip(dialogkit::ToQString(binding.toolTip));
  }
}

void CCalculatorDlg::ApplyCaptionFont() {
  m_captionFont = font();
  m_captionFont.setBold(true);
  m_captionFont.setItalic(true);
  m_captionFont = dialogkit::DrawableFont(m_captionFont);
  for (const int id : {IdcSystemTypeBox, IdcSolutionBox})
    GetDlgItem(id)->setFont(m_captionFont);
}

void CCalculatorDlg::FocusFirstTabStop() {
  // The first tab stop is the Phases group; a group takes the focus on its
  // checked button.
  for (QWidget* widget : Controls().ordered) {
    if (!widget->isEnabled() || !(widget->focusPolicy() & Qt::TabFocus))
      continue;
    if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->group()) {
      if (QAbstractButton* checked = button->group()->checkedButton())
        widget = checked;
    }
    widget->setFocus(Qt::OtherFocusReason);
    return;
  }
}

void CCalculatorDlg::OnCancel() {
  if (m_closing)
    return;
  m_closing = true;
  ReadForm();
  StoreSelections();
  QDialog::reject();
}

void CCalculatorDlg::reject() { OnCancel(); }

} // namespace calculator
