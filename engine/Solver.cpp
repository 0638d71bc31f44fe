// The circular-mil relation VD = K x M x L x I / A solved for the target the
// record names, with the products evaluated in the written order.
#include "ConductorTables.h"
#include "Operations.h"
#include "WireSizeFit.h"

namespace engine {

// The area one size needs for the allowed drop, using that size's own K (K
// varies by size from No. 2/0 up, so a K taken from another size can miss).
double RequiredArea(const CalcState& s, double k) {
  double area = k * s.PhaseMultiplier * s.Amps * s.FeetLength / s.DropVolts;
  // Also catches NaN (0/0), which compares neither greater nor equal.
  if (!(area >= CircularMils[0]))
    area = CircularMils[0];
  return area;
}

bool SizeMeetsAllowedDrop(const CalcState& s, int wireSize, int conductorsIndex) {
  if (s.PercentDrop >= NoAllowedDrop)
    return false;
  const double k = KFactorFor(s.Current, s.Material, wireSize, s.Raceway);
  return EffectiveAreaFor(wireSize, conductorsIndex) >= RequiredArea(s, k);
}

namespace {

void SolveForVoltage(CalcState& s, FormLink& form) {
  ReconcileLoad(s, form);
  const double vd = s.KFactor * s.PhaseMultiplier * s.FeetLength * s.Amps / s.EffectiveArea;
  switch (s.DropMode) {
  case ModePercentDrop:
    s.PercentDrop = vd / s.Voltage * 100;
    break;
  case ModeVoltageDrop:
    s.DropVolts = vd;
    break;
  case ModeFinalVoltage:
    s.FinalVoltage = s.Voltage - vd;
    break;
  default:
    break;
  }
  form.WriteForm();
  ReconcileDrop(s, form);
}

void SolveForLoad(CalcState& s, FormLink& form) {
  ReconcileDrop(s, form);
  double amps = 0.0;
  if (s.FeetLength != 0.0)
    amps = s.DropVolts * s.EffectiveArea / (s.KFactor * s.PhaseMultiplier * s.FeetLength);
  switch (s.LoadUnits) {
  case UnitsAmps:
    s.Amps = amps;
    break;
  case UnitsVoltAmps:
    s.VoltAmps = s.Voltage * amps * s.LoadFactor;
    break;
  default:
    break;
  }
  form.WriteForm();
  ReconcileLoad(s, form);
}

void SolveForDistance(CalcState& s, FormLink& form) {
  ReconcileDrop(s, form);
  ReconcileLoad(s, form);
  if (s.Amps == 0.0)
    s.FeetLength = 0.0;
  else
    s.FeetLength = s.DropVolts * s.EffectiveArea / (s.KFactor * s.PhaseMultiplier * s.Amps);
  if (s.DistanceUnits == UnitsFeet)
    ShowDistanceInFeet(s, form);
  else
    ShowDistanceInMeters(s, form);
}

void SolveForWireSize(CalcState& s, FormLink& form) {
  ReconcileDrop(s, form);
  ReconcileLoad(s, form);
  FindWireSize(s, form);
}

// The size a wire-size solve settles on, with the K and area it was judged by.
struct SolvedSize {
  int index;
  bool found;
  double kFactor;
  double requiredArea;
};

// Smallest size whose parallel conductors together cover the area that size
// requires; the largest size, not found, when none does.
SolvedSize SmallestSizeWithinDrop(const CalcState& s) {
  if (s.PercentDrop >= NoAllowedDrop) {
    return {LargestWireSize, false, KFactorFor(s.Current, s.Material, LargestWireSize, s.Raceway),
            UnreachableArea};
  }
  SolvedSize choice{};
  for (int i = 0; i < WireSizeCount; ++i) {
    const double k = KFactorFor(s.Current, s.Material, i, s.Raceway);
    choice = {i, SizeMeetsAllowedDrop(s, i, s.ConductorsIndex), k, RequiredArea(s, k)};
    if (choice.found)
      break;
  }
  return choice;
}

} // namespace

void FindWireSize(CalcState& s, FormLink& form) {
  const SolvedSize choice = SmallestSizeWithinDrop(s);
  s.KFactor = choice.kFactor;
  s.EffectiveArea = choice.requiredArea;
  s.WireSize = choice.index;
  // The form still shows the previous size while the warning is open.
  if (!choice.found)
    form.ShowWarning(WireSizeWarning);
  form.WriteForm();
}

void Calculate(CalcState& s, FormLink& form) {
  form.ReadForm();
  NormalizeDistance(s);
  form.WriteForm();
  switch (s.SolveFor) {
  case SolveVoltage:
    SolveForVoltage(s, form);
    break;
  case SolveLoad:
    SolveForLoad(s, form);
    break;
  case SolveDistance:
    SolveForDistance(s, form);
    break;
  case SolveWireSize:
    SolveForWireSize(s, form);
    break;
  default:
    break;
  }
  form.WriteForm();
}

} // namespace engine
