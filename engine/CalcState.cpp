#include "CalcState.h"

namespace engine {

void ApplyClearValues(CalcState& s) {
  const CalcState initial;
  s.SolveFor = initial.SolveFor;
  s.DropMode = initial.DropMode;
  s.Phase = initial.Phase;
  s.Material = initial.Material;
  s.Current = initial.Current;
  s.Raceway = initial.Raceway;
  s.LoadUnits = initial.LoadUnits;
  s.WireSize = initial.WireSize;
  s.ConductorsIndex = initial.ConductorsIndex;
  s.Voltage = initial.Voltage;
  s.Distance = initial.Distance;
  s.Amps = initial.Amps;
  s.PercentDrop = initial.PercentDrop;
  s.DropVolts = initial.DropVolts;
  s.FinalVoltage = initial.FinalVoltage;
  s.VoltAmps = initial.VoltAmps;
  s.FeetLength = initial.FeetLength;
}

} // namespace engine
