#include "CalcState.h"

namespace engine {

void ApplyClearValues(CalcState& s) {
  s.SolveFor = SolveWireSize;
  s.DropMode = ModePercentDrop;
  s.Phase = 0;
  s.Material = 0;
  s.Current = 0;
  s.Raceway = 0;
  s.LoadUnits = UnitsAmps;
  s.WireSize = 13;
  s.ConductorsIndex = 0;
  s.Voltage = 120.0;
  s.Distance = 100.0;
  s.Amps = 16.0;
  s.PercentDrop = 3.0;
  s.DropVolts = 0.0;
  s.FinalVoltage = 0.0;
  s.VoltAmps = 0.0;
  s.FeetLength = 0.0;
}

} // namespace engine
