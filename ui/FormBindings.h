// The form's exchange order: which control each form-bound field travels
// through, the range a read accepts and the tooltip that names that range.
// The order decides what a failed read leaves behind.
#pragma once

#include "CalculatorTemplate.h"
#include "engine/CalcState.h"

#include <array>
#include <string_view>

namespace ui {

enum class Exchange { Radio, Text, ListIndex };

struct FormBinding {
  Exchange kind;
  int controlId; // for radio groups, the first button
  int engine::CalcState::*intField;
  double engine::CalcState::*doubleField;
  double min; // closed range, reading only
  double max;
  std::string_view toolTip = {};
};

using engine::CalcState;

inline constexpr std::array<FormBinding, 17> FormBindings = {{
    {Exchange::Radio, IdcPercentDropMode, &CalcState::DropMode, nullptr, 0, 0},
    {Exchange::Radio, IdcSingle, &CalcState::Phase, nullptr, 0, 0},
    {Exchange::Radio, IdcCopper, &CalcState::Material, nullptr, 0, 0},
    {Exchange::Radio, IdcSolveVoltage, &CalcState::SolveFor, nullptr, 0, 0},
    {Exchange::Radio, IdcAmpsUnits, &CalcState::LoadUnits, nullptr, 0, 0},
    {Exchange::Text, IdcDistance, nullptr, &CalcState::Distance, 0, 1000000,
     "Valid range: 0 - 1,000,000"},
    {Exchange::Text, IdcVoltAmps, nullptr, &CalcState::VoltAmps, 0, 100000000000,
     "Valid range: 0 - 100,000,000,000 (wow!)"},
    {Exchange::Text, IdcPercentDrop, nullptr, &CalcState::PercentDrop, 0, 99.9999,
     "Valid range: 0 - 99.9999"},
    {Exchange::Text, IdcFinalVoltage, nullptr, &CalcState::FinalVoltage, 0, 1000000,
     "Valid range: 0 - 1,000,000"},
    {Exchange::Text, IdcDropVolts, nullptr, &CalcState::DropVolts, 0, 1000000,
     "Valid range: 0 - 1,000,000"},
    {Exchange::Text, IdcAmps, nullptr, &CalcState::Amps, 0, 100000, "Valid range: 0 - 100,000"},
    {Exchange::ListIndex, IdcWireSize, &CalcState::WireSize, nullptr, 0, 0},
    {Exchange::Radio, IdcFeet, &CalcState::DistanceUnits, nullptr, 0, 0},
    {Exchange::Text, IdcVoltage, nullptr, &CalcState::Voltage, 1, 1000000,
     "Valid range: 1 - 1,000,000"},
    {Exchange::Radio, IdcAc, &CalcState::Current, nullptr, 0, 0},
    {Exchange::Radio, IdcSteel, &CalcState::Raceway, nullptr, 0, 0},
    {Exchange::ListIndex, IdcConductors, &CalcState::ConductorsIndex, nullptr, 0, 0},
}};

// The row of one control, looked up while compiling.
consteval const FormBinding& BindingOf(int controlId) {
  for (const FormBinding& binding : FormBindings) {
    if (binding.controlId == controlId)
      return binding;
  }
  throw "no binding for this control"; // stops the build
}

} // namespace ui
