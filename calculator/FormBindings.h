// The form's exchange order: which control each form-bound field travels
// through, the range a read accepts and, beside it, the tooltip that names
// that range. The order decides what a failed read leaves behind.
#pragma once

#include "CalculatorTemplate.h"
#include "engine/CalcState.h"

#include <array>
#include <string_view>

namespace calculator {

enum class Exchange { Radio, Text, ListIndex };

struct FormBinding {
  Exchange kind;
  int controlId; // for radio groups, the first button
  int engine::CalcState::*intField;
  double engine::CalcState::*doubleField;
  engine::NumberRange range = {0, 0}; // numbers only; reading only
  std::string_view toolTip = {};
};

inline constexpr std::array<FormBinding, 17> FormBindings = {{
    {Exchange::Radio, IdcPercentDropMode, &engine::CalcState::DropMode, nullptr},
    {Exchange::Radio, IdcSingle, &engine::CalcState::Phase, nullptr},
    {Exchange::Radio, IdcCopper, &engine::CalcState::Material, nullptr},
    {Exchange::Radio, IdcSolveVoltage, &engine::CalcState::SolveFor, nullptr},
    {Exchange::Radio, IdcAmpsUnits, &engine::CalcState::LoadUnits, nullptr},
    {Exchange::Text, IdcDistance, nullptr, &engine::CalcState::Distance, engine::DistanceRange,
     "Valid range: 0 - 1,000,000"},
    {Exchange::Text, IdcVoltAmps, nullptr, &engine::CalcState::VoltAmps, engine::VoltAmpsRange,
     "Valid range: 0 - 100,000,000,000 (wow!)"},
    {Exchange::Text, IdcPercentDrop, nullptr, &engine::CalcState::PercentDrop,
     engine::PercentDropRange, "Valid range: 0 - 99.9999"},
    {Exchange::Text, IdcFinalVoltage, nullptr, &engine::CalcState::FinalVoltage,
     engine::FinalVoltageRange, "Valid range: 0 - 1,000,000"},
    {Exchange::Text, IdcDropVolts, nullptr, &engine::CalcState::DropVolts, engine::DropVoltsRange,
     "Valid range: 0 - 1,000,000"},
    {Exchange::Text, IdcAmps, nullptr, &engine::CalcState::Amps, engine::AmpsRange,
     "Valid range: 0 - 100,000"},
    {Exchange::ListIndex, IdcWireSize, &engine::CalcState::WireSize, nullptr},
    {Exchange::Radio, IdcFeet, &engine::CalcState::DistanceUnits, nullptr},
    {Exchange::Text, IdcVoltage, nullptr, &engine::CalcState::Voltage, engine::VoltageRange,
     "Valid range: 1 - 1,000,000"},
    {Exchange::Radio, IdcAc, &engine::CalcState::Current, nullptr},
    {Exchange::Radio, IdcSteel, &engine::CalcState::Raceway, nullptr},
    {Exchange::ListIndex, IdcConductors, &engine::CalcState::ConductorsIndex, nullptr},
}};

// The row of one control, looked up while compiling.
consteval const FormBinding& BindingOf(int controlId) {
  for (const FormBinding& binding : FormBindings) {
    if (binding.controlId == controlId)
      return binding;
  }
  throw "no binding for this control"; // stops the build
}

} // namespace calculator
