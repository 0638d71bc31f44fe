// The tests' one statement of which of the seven result, load, distance and
// size controls the user may type into or choose from. What is solved for is
// shown, not typed: all three results when solving for the voltage result,
// both load fields for the load, the distance, the wire size. Of the three
// results only the one the result mode names is typed, and of the two load
// fields only the one the load unit names.
#pragma once

#include "calculator/CalculatorTemplate.h"
#include "engine/CalcState.h"

#include <array>

namespace testing_ui {

// The selections that steer the seven controls.
struct Steering {
  int solveFor;
  int dropMode;
  int loadUnits;
};

struct SteeredControl {
  enum Picker { Always, ByDropMode, ByLoadUnits };
  int id;
  int solvedBy;   // the target that computes it
  Picker picker;  // what picks it among its alternatives
  int pickedWhen; // the value of that selection which names it
};

inline constexpr std::array<SteeredControl, 7> SteeredControls = {{
    {calculator::IdcPercentDrop, engine::SolveVoltage, SteeredControl::ByDropMode,
     engine::ModePercentDrop},
    {calculator::IdcDropVolts, engine::SolveVoltage, SteeredControl::ByDropMode,
     engine::ModeVoltageDrop},
    {calculator::IdcFinalVoltage, engine::SolveVoltage, SteeredControl::ByDropMode,
     engine::ModeFinalVoltage},
    {calculator::IdcAmps, engine::SolveLoad, SteeredControl::ByLoadUnits, engine::UnitsAmps},
    {calculator::IdcVoltAmps, engine::SolveLoad, SteeredControl::ByLoadUnits,
     engine::UnitsVoltAmps},
    {calculator::IdcDistance, engine::SolveDistance, SteeredControl::Always, 0},
    {calculator::IdcWireSize, engine::SolveWireSize, SteeredControl::Always, 0},
}};

inline bool ExpectedEnabled(const SteeredControl& control, const Steering& s) {
  if (control.solvedBy == s.solveFor)
    return false;
  switch (control.picker) {
  case SteeredControl::ByDropMode:
    return s.dropMode == control.pickedWhen;
  case SteeredControl::ByLoadUnits:
    return s.loadUnits == control.pickedWhen;
  case SteeredControl::Always:
    break;
  }
  return true;
}

} // namespace testing_ui
