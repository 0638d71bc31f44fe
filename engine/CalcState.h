// The calculator's one record: seventeen fields the form shows, then five
// values derived from them. Field order matches the form's exchange.
#pragma once

namespace engine {

// Encodings shared by the form, the engine and the stored settings.
enum SolveTarget : int { SolveVoltage = 0, SolveLoad = 1, SolveDistance = 2, SolveWireSize = 3 };
enum DropModeValue : int { ModePercentDrop = 0, ModeVoltageDrop = 1, ModeFinalVoltage = 2 };
enum LoadUnitsValue : int { UnitsAmps = 0, UnitsVoltAmps = 1 };
enum DistanceUnitsValue : int { UnitsFeet = 0, UnitsMeters = 1 };
enum PhaseValue : int { PhaseSingle = 0, PhaseThree = 1 };
enum MaterialValue : int { MaterialCopper = 0, MaterialAluminum = 1 };
enum CurrentValue : int { CurrentAc = 0, CurrentDc = 1 };
enum RacewayValue : int { RacewaySteel = 0, RacewayAluminum = 1, RacewayNonMetal = 2 };

inline constexpr double FeetPerMeter = 3.28084;
// The double nearest 1/3.28084, so Feet -> Meters -> Feet does not drift.
inline constexpr double MetersPerFoot = 0.3047999902464003;

// The closed range of a number that reading the form accepts; the engine
// itself never enforces it.
struct NumberRange {
  double min;
  double max;
};
inline constexpr NumberRange DistanceRange = {0, 1000000};
inline constexpr NumberRange VoltAmpsRange = {0, 100000000000};
inline constexpr NumberRange PercentDropRange = {0, 99.9999};
inline constexpr NumberRange FinalVoltageRange = {0, 1000000};
inline constexpr NumberRange DropVoltsRange = {0, 1000000};
inline constexpr NumberRange AmpsRange = {0, 100000};
inline constexpr NumberRange VoltageRange = {1, 1000000};

struct CalcState {
  // Form-bound.
  int DropMode = ModePercentDrop;
  int Phase = PhaseSingle;
  int Material = MaterialCopper;
  int SolveFor = SolveWireSize;
  int LoadUnits = UnitsAmps;
  double Distance = 100.0; // in DistanceUnits
  double VoltAmps = 0.0;
  double PercentDrop = 3.0;
  double FinalVoltage = 0.0;
  double DropVolts = 0.0;
  double Amps = 16.0;
  int WireSize = 13; // "No. 14"
  int DistanceUnits = UnitsFeet;
  double Voltage = 120.0;
  int Current = CurrentAc;
  int Raceway = RacewaySteel;
  int ConductorsIndex = 0;
  // Derived.
  double KFactor = 12.9;
  double PhaseMultiplier = 2.0;
  double EffectiveArea = 4110.0;
  double FeetLength = 0.0;
  double LoadFactor = 1.0;

  bool operator==(const CalcState&) const = default;
};

// What Clear puts back: the construction values of every field but
// DistanceUnits and the derived factors, which the Clear command re-derives
// afterwards (FeetLength excepted, which goes back to 0 as well).
void ApplyClearValues(CalcState& s);

} // namespace engine
