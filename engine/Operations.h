// Every engine operation the dialog calls. Each acts on the dialog's record
// and reaches the form through `form` at fixed points: almost every operation
// starts with a read, so a changed field is written back before the next read.
#pragma once

#include "CalcState.h"
#include "FormLink.h"

#include <string_view>

namespace engine {

inline constexpr std::string_view WireSizeWarning =
    "Wire size out of range.\nUse smaller values\nor higher voltage.";

// Distance and units.
void NormalizeDistance(CalcState& s);
void ShowDistanceInFeet(CalcState& s, FormLink& form);
void ShowDistanceInMeters(CalcState& s, FormLink& form);

// Phase, current and conductor.
void SetSinglePhase(CalcState& s, FormLink& form);
void SetThreePhase(CalcState& s, FormLink& form);
void SetDirectCurrent(CalcState& s, FormLink& form);
void SelectKFactor(CalcState& s, FormLink& form);
void ChangeConductor(CalcState& s, FormLink& form);

// Reconciliations and clamps.
void ReconcileDrop(CalcState& s, FormLink& form);
// Volts dropped and final voltage from the percent drop, without the form.
void DeriveDropFromPercent(CalcState& s);
void ReconcileLoad(CalcState& s, FormLink& form);
void ReconcileFromFinalVoltage(CalcState& s, FormLink& form);
void ClampDropVolts(CalcState& s);
void ClampFinalVoltage(CalcState& s);

// Solver.
void Calculate(CalcState& s, FormLink& form);
void FindWireSize(CalcState& s, FormLink& form);

} // namespace engine
