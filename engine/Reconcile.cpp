// Operations that keep the record's parts in agreement: distance units, phase
// and current factors, K and area, and the voltage-result and load pairs.
#include "ConductorTables.h"
#include "Operations.h"

#include <cmath>

namespace engine {

void NormalizeDistance(CalcState& s) {
  if (s.Distance < 0.0)
    s.Distance = 0.0;
  s.FeetLength = s.Distance;
  if (s.DistanceUnits == UnitsMeters)
    s.FeetLength = s.FeetLength * FeetPerMeter;
}

void ShowDistanceInFeet(CalcState& s, FormLink& form) {
  form.ReadForm();
  s.Distance = s.FeetLength;
  form.WriteForm();
}

void ShowDistanceInMeters(CalcState& s, FormLink& form) {
  form.ReadForm();
  s.Distance = s.FeetLength * MetersPerFoot;
  form.WriteForm();
}

void SetSinglePhase(CalcState& s, FormLink& form) {
  // No read here: the opening read of Calculate brings the phase in.
  s.PhaseMultiplier = 2.0;
  s.LoadFactor = 1.0;
  Calculate(s, form);
}

void SetThreePhase(CalcState& s, FormLink& form) {
  form.ReadForm();
  if (s.Current == CurrentAc) {
    const double root3 = std::sqrt(3.0);
    s.PhaseMultiplier = root3;
    s.LoadFactor = root3;
    Calculate(s, form);
  } else {
    // Direct current always runs as single phase; nothing to recompute.
    s.Phase = PhaseSingle;
  }
  form.WriteForm();
}

void SetDirectCurrent(CalcState& s, FormLink& form) {
  form.ReadForm();
  s.Phase = PhaseSingle;
  s.PhaseMultiplier = 2.0;
  s.LoadFactor = 1.0;
  // Written before SelectKFactor reads, or its read would bring Three back.
  form.WriteForm();
  SelectKFactor(s, form);
}

void SelectKFactor(CalcState& s, FormLink& form) {
  form.ReadForm();
  s.KFactor = KFactorFor(s.Current, s.Material, s.WireSize, s.Raceway);
  Calculate(s, form);
}

void ChangeConductor(CalcState& s, FormLink& form) {
  SelectKFactor(s, form);
  s.EffectiveArea = EffectiveAreaFor(s.WireSize, s.ConductorsIndex);
  Calculate(s, form);
}

void ReconcileDrop(CalcState& s, FormLink& form) {
  form.ReadForm();
  switch (s.DropMode) {
  case ModePercentDrop:
    DeriveDropFromPercent(s);
    break;
  case ModeVoltageDrop:
    s.PercentDrop = s.DropVolts / s.Voltage * 100;
    s.FinalVoltage = s.Voltage - s.DropVolts;
    break;
  case ModeFinalVoltage:
    s.PercentDrop = 100 - s.FinalVoltage / s.Voltage * 100;
    s.DropVolts = s.Voltage - s.FinalVoltage;
    break;
  default:
    break;
  }
  form.WriteForm();
}

void DeriveDropFromPercent(CalcState& s) {
  s.DropVolts = s.PercentDrop * s.Voltage * 0.01;
  s.FinalVoltage = s.Voltage - s.DropVolts;
}

void ReconcileLoad(CalcState& s, FormLink& form) {
  form.ReadForm();
  switch (s.LoadUnits) {
  case UnitsAmps:
    s.VoltAmps = s.Voltage * s.Amps * s.LoadFactor;
    break;
  case UnitsVoltAmps:
    s.Amps = s.VoltAmps / (s.Voltage * s.LoadFactor);
    break;
  default:
    break;
  }
  form.WriteForm();
}

void ReconcileFromFinalVoltage(CalcState& s, FormLink& form) {
  form.ReadForm();
  ClampFinalVoltage(s);
  const int mode = s.DropMode;
  s.DropMode = ModeFinalVoltage;
  // Lets ReconcileDrop's read see mode Final voltage and the clamped value.
  form.WriteForm();
  ReconcileDrop(s, form);
  s.DropMode = mode;
  form.WriteForm();
}

void ClampDropVolts(CalcState& s) {
  if (s.DropVolts > s.Voltage)
    s.DropVolts = s.Voltage;
}

void ClampFinalVoltage(CalcState& s) {
  if (s.FinalVoltage > s.Voltage)
    s.FinalVoltage = s.Voltage;
}

} // namespace engine
