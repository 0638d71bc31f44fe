// What each control does when the user works it: enablement and focus of the
// seven result, load and size controls, and the engine sequences behind them.
#include "CalculatorDlg.h"
#include "CalculatorTemplate.h"

#include "engine/Operations.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

namespace calculator {

using namespace engine;

void CCalculatorDlg::ConnectHandlers() {
  const auto onClick = [this](int id, void (CCalculatorDlg::*handler)()) {
    auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id));
    connect(button, &QAbstractButton::clicked, this, [this, handler] {
      if (m_exchangeDepth == 0)
        (this->*handler)();
    });
  };
  onClick(IdcCalculate, &CCalculatorDlg::OnCalculate);
  onClick(IdcClear, &CCalculatorDlg::OnClear);
  onClick(IdcAbout, &CCalculatorDlg::OnAbout);
  onClick(IdcExit, &CCalculatorDlg::OnCancel);
  onClick(IdcPercentDropMode, &CCalculatorDlg::OnPercentDropMode);
  onClick(IdcVoltageDropMode, &CCalculatorDlg::OnVoltageDropMode);
  onClick(IdcFinalVoltageMode, &CCalculatorDlg::OnFinalVoltageMode);
  onClick(IdcAmpsUnits, &CCalculatorDlg::OnAmpsUnits);
  onClick(IdcVoltAmpsUnits, &CCalculatorDlg::OnVoltAmpsUnits);
  onClick(IdcAluminumConductor, &CCalculatorDlg::OnSelectKFactor);
  onClick(IdcCopper, &CCalculatorDlg::OnSelectKFactor);
  onClick(IdcSingle, &CCalculatorDlg::OnSingle);
  onClick(IdcThree, &CCalculatorDlg::OnThree);
  onClick(IdcSolveDistance, &CCalculatorDlg::OnSolveForDistance);
  onClick(IdcSolveLoad, &CCalculatorDlg::OnSolveForLoad);
  onClick(IdcSolveVoltage, &CCalculatorDlg::OnSolveForVoltage);
  onClick(IdcSolveWireSize, &CCalculatorDlg::OnSolveForWireSize);
  onClick(IdcFeet, &CCalculatorDlg::OnFeet);
  onClick(IdcMeters, &CCalculatorDlg::OnMeters);
  onClick(IdcAc, &CCalculatorDlg::OnSelectKFactor);
  onClick(IdcDc, &CCalculatorDlg::OnDirectCurrent);
  onClick(IdcSteel, &CCalculatorDlg::OnSelectKFactor);
  onClick(IdcAluminumRaceway, &CCalculatorDlg::OnSelectKFactor);
  onClick(IdcNonMetal, &CCalculatorDlg::OnSelectKFactor);

  for (const int id : {IdcWireSize, IdcConductors}) {
    connect(List(id), &QComboBox::currentIndexChanged, this, [this] {
      if (m_exchangeDepth == 0)
        OnChangeConductor();
    });
  }
  // Once the exit has begun, hiding the window must not run rules (and
  // report a bad field again) on a form that is already saved.
  m_leaveTracker = std::make_unique<LeaveTracker>(
      [this](int id) { OnLeave(id); }, [this] { return m_exchangeDepth != 0 || m_closing; });
  for (const int id : {IdcAmps, IdcDistance, IdcVoltAmps, IdcFinalVoltage, IdcPercentDrop,
                       IdcDropVolts, IdcVoltage, IdcConductors})
    m_leaveTracker->Watch(*GetDlgItem(id));
}

void CCalculatorDlg::OnLeave(int controlId) {
  switch (controlId) {
  case IdcAmps:
  case IdcVoltAmps:
  case IdcPercentDrop:
    ReadForm();
    Calculate(m_state, *this);
    break;
  case IdcDistance:
    ReadForm();
    NormalizeDistance(m_state);
    WriteForm();
    Calculate(m_state, *this);
    break;
  case IdcFinalVoltage:
    ReadForm();
    ClampFinalVoltage(m_state);
    WriteForm();
    ReconcileFromFinalVoltage(m_state, *this);
    Calculate(m_state, *this);
    break;
  case IdcDropVolts:
    ReadForm();
    ClampDropVolts(m_state);
    WriteForm();
    Calculate(m_state, *this);
    break;
  case IdcVoltage:
    ReadForm();
    ReconcileFromFinalVoltage(m_state, *this);
    Calculate(m_state, *this);
    break;
  case IdcConductors:
    ChangeConductor(m_state, *this);
    break;
  default:
    break;
  }
}

void CCalculatorDlg::OnCalculate() { Calculate(m_state, *this); }

void CCalculatorDlg::OnSelectKFactor() { SelectKFactor(m_state, *this); }
void CCalculatorDlg::OnSingle() { SetSinglePhase(m_state, *this); }
void CCalculatorDlg::OnThree() { SetThreePhase(m_state, *this); }
void CCalculatorDlg::OnDirectCurrent() { SetDirectCurrent(m_state, *this); }
void CCalculatorDlg::OnFeet() { ShowDistanceInFeet(m_state, *this); }
void CCalculatorDlg::OnMeters() { ShowDistanceInMeters(m_state, *this); }
void CCalculatorDlg::OnChangeConductor() { ChangeConductor(m_state, *this); }

void CCalculatorDlg::OnPercentDropMode() {
  ReadForm();
  if (m_state.SolveFor == SolveVoltage)
    return;
  Enable(IdcPercentDrop, true);
  Enable(IdcDropVolts, false);
  Enable(IdcFinalVoltage, false);
  if (m_state.PercentDrop == 0.0)
    m_state.PercentDrop = 3.0;
  WriteForm();
  Focus(IdcPercentDrop);
}

void CCalculatorDlg::OnVoltageDropMode() {
  ReadForm();
  if (m_state.SolveFor != SolveVoltage) {
    Enable(IdcPercentDrop, false);
    Enable(IdcDropVolts, true);
    Enable(IdcFinalVoltage, false);
    Focus(IdcDropVolts);
  }
  WriteForm();
}

void CCalculatorDlg::OnFinalVoltageMode() {
  ReadForm();
  if (m_state.SolveFor != SolveVoltage) {
    Enable(IdcPercentDrop, false);
    Enable(IdcDropVolts, false);
    Enable(IdcFinalVoltage, true);
    Focus(IdcFinalVoltage);
  }
  WriteForm();
}

void CCalculatorDlg::ApplyDropMode() {
  switch (m_state.DropMode) {
  case ModePercentDrop:
    OnPercentDropMode();
    break;
  case ModeVoltageDrop:
    OnVoltageDropMode();
    break;
  case ModeFinalVoltage:
    OnFinalVoltageMode();
    break;
  default:
    break;
  }
}

void CCalculatorDlg::OnAmpsUnits() {
  ReadForm();
  if (m_state.SolveFor != SolveLoad) {
    Enable(IdcAmps, true);
    Enable(IdcVoltAmps, false);
    Focus(IdcAmps);
  }
  WriteForm();
}

void CCalculatorDlg::OnVoltAmpsUnits() {
  ReadForm();
  if (m_state.SolveFor != SolveLoad) {
    Enable(IdcAmps, false);
    Enable(IdcVoltAmps, true);
    Focus(IdcVoltAmps);
  }
  WriteForm();
}

void CCalculatorDlg::ApplyLoadUnits() {
  switch (m_state.LoadUnits) {
  case UnitsAmps:
    OnAmpsUnits();
    break;
  case UnitsVoltAmps:
    OnVoltAmpsUnits();
    break;
  default:
    break;
  }
}

void CCalculatorDlg::OnSolveForVoltage() { ApplySolveTarget(SolveVoltage); }
void CCalculatorDlg::OnSolveForLoad() { ApplySolveTarget(SolveLoad); }
void CCalculatorDlg::OnSolveForDistance() { ApplySolveTarget(SolveDistance); }
void CCalculatorDlg::OnSolveForWireSize() { ApplySolveTarget(SolveWireSize); }

// The target's own fields are closed first; then the other three groups open
// in the fixed order voltage result, load, distance, wire size (a group that
// opens may move the focus, so the order is what the user sees).
void CCalculatorDlg::ApplySolveTarget(int target) {
  ReadForm();
  switch (target) {
  case SolveVoltage:
    Enable(IdcPercentDrop, false);
    Enable(IdcDropVolts, false);
    Enable(IdcFinalVoltage, false);
    break;
  case SolveLoad:
    Enable(IdcAmps, false);
    Enable(IdcVoltAmps, false);
    break;
  case SolveDistance:
    Enable(IdcDistance, false);
    break;
  default:
    Enable(IdcWireSize, false);
    break;
  }
  if (target != SolveVoltage)
    ApplyDropMode();
  if (target != SolveLoad)
    ApplyLoadUnits();
  if (target != SolveDistance)
    Enable(IdcDistance, true);
  if (target != SolveWireSize)
    Enable(IdcWireSize, true);
  WriteForm();
  Calculate(m_state, *this);
}

void CCalculatorDlg::OnClear() {
  ApplyClearValues(m_state);
  WriteForm();
  SelectKFactor(m_state, *this);
  SetSinglePhase(m_state, *this);
  ApplyDropMode();
  ApplyLoadUnits();
  ChangeConductor(m_state, *this);
  OnSolveForWireSize();
}

void CCalculatorDlg::OnAbout() {
  // The About dialog takes the focus like a message box, and gives it back.
  if (m_aboutCommand)
    RunOwnedModal([this] { m_aboutCommand(this); });
}

} // namespace calculator
