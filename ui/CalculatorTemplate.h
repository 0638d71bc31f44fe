// The calculator window: 45 controls in tab order, with the identifiers the
// rules, the form exchange and the tests refer to.
#pragma once

#include "DialogTemplate.h"

#include <array>

namespace ui {

// Control identifiers.
enum CalculatorControl : int {
  IdcSingle = 1007,
  IdcThree = 1008,
  IdcCopper = 1005,
  IdcAluminumConductor = 1006,
  IdcAc = 1033,
  IdcDc = 1034,
  IdcSteel = 1012,
  IdcAluminumRaceway = 1015,
  IdcNonMetal = 1035,
  IdcVoltage = 1022,
  IdcSolveVoltage = 1027,
  IdcSolveLoad = 1025,
  IdcSolveDistance = 1024,
  IdcSolveWireSize = 1026,
  IdcPercentDropMode = 1018,
  IdcVoltageDropMode = 1019,
  IdcFinalVoltageMode = 1020,
  IdcPercentDrop = 1016,
  IdcDropVolts = 1017,
  IdcFinalVoltage = 1021,
  IdcAmpsUnits = 1028,
  IdcVoltAmpsUnits = 1029,
  IdcAmps = 1010,
  IdcVoltAmps = 1030,
  IdcDistance = 1009,
  IdcFeet = 1031,
  IdcMeters = 1032,
  IdcWireSize = 1023,
  IdcConductors = 1036,
  IdcCalculate = 1014,
  IdcClear = 1011,
  IdcAbout = 1013,
  IdcExit = 2,
  IdcSystemTypeBox = 1045,
  IdcSolutionBox = 1046,
  IdcVersionText = 1047,
};

inline constexpr std::string_view CreditLine =
    "Distributed free by Nessum  -  Toll free 1-800-555-0199  -  www.nessum.example";

inline constexpr ControlStyle Tab = StyleGroup | StyleTabStop;
inline constexpr ControlStyle InGroup = StyleTabStop;

inline constexpr std::array<ControlSpec, 45> CalculatorControls = {{
    {IdcSingle, ControlKind::PushLikeRadio, "Single", {17, 28, 40, 10}, Tab},
    {IdcThree, ControlKind::PushLikeRadio, "Three", {17, 40, 40, 10}, InGroup},
    {IdcCopper, ControlKind::PushLikeRadio, "Copper", {70, 28, 40, 10}, Tab},
    {IdcAluminumConductor, ControlKind::PushLikeRadio, "Aluminum", {70, 40, 40, 10}, InGroup,
     "Aluminum conductor"},
    {IdcAc, ControlKind::PushLikeRadio, "AC", {17, 66, 40, 10}, Tab},
    {IdcDc, ControlKind::PushLikeRadio, "DC", {17, 77, 40, 10}, InGroup},
    {IdcSteel, ControlKind::PushLikeRadio, "Steel", {70, 66, 40, 10}, Tab},
    {IdcAluminumRaceway, ControlKind::PushLikeRadio, "Aluminum", {70, 78, 40, 10}, InGroup,
     "Aluminum raceway"},
    {IdcNonMetal, ControlKind::PushLikeRadio, "Non-metal", {70, 90, 40, 10}, InGroup},
    {IdcVoltage, ControlKind::Edit, "", {17, 103, 40, 12}, Tab | StyleBorder, "Voltage"},
    {IdcSolveVoltage, ControlKind::PushLikeRadio, "&Voltage", {130, 22, 36, 37},
     Tab | StyleMultiLine, "Solve for voltage"},
    {IdcSolveLoad, ControlKind::PushLikeRadio, "Loa&d", {130, 62, 36, 27},
     InGroup | StyleMultiLine, "Solve for load"},
    {IdcSolveDistance, ControlKind::PushLikeRadio, "D&istance", {130, 93, 36, 12},
     InGroup | StyleMultiLine, "Solve for distance"},
    {IdcSolveWireSize, ControlKind::PushLikeRadio, "&Wire size", {130, 107, 36, 12},
     InGroup | StyleMultiLine, "Solve for wire size"},
    {IdcPercentDropMode, ControlKind::Radio, "Percent drop", {177, 25, 55, 10}, Tab},
    {IdcVoltageDropMode, ControlKind::Radio, "Voltage drop", {177, 35, 55, 10}, InGroup},
    {IdcFinalVoltageMode, ControlKind::Radio, "Final voltage", {177, 45, 55, 10}, InGroup},
    {IdcPercentDrop, ControlKind::Edit, "", {232, 25, 35, 12}, Tab, "Percent drop value"},
    {IdcDropVolts, ControlKind::Edit, "", {232, 35, 35, 12}, Tab, "Voltage drop value"},
    {IdcFinalVoltage, ControlKind::Edit, "", {232, 45, 35, 12}, Tab, "Final voltage value"},
    {IdcAmpsUnits, ControlKind::Radio, "Amps", {177, 65, 34, 10}, Tab},
    {IdcVoltAmpsUnits, ControlKind::Radio, "Volt Amps", {177, 75, 47, 10}, InGroup},
    {NoControlId, ControlKind::Static, "Conductors per Phase", {210, 105, 38, 17},
     StyleGroup | StyleAlignRight},
    {IdcAmps, ControlKind::Edit, "", {232, 65, 35, 12}, Tab | StyleDigitsOnly, "Amps value"},
    {IdcVoltAmps, ControlKind::Edit, "", {232, 75, 35, 12}, Tab, "Volt amps value"},
    {IdcDistance, ControlKind::Edit, "", {170, 93, 37, 12}, Tab | StyleBorder | StyleDigitsOnly,
     "Distance"},
    {IdcFeet, ControlKind::PushLikeRadio, "Feet", {211, 93, 33, 12}, Tab},
    {IdcMeters, ControlKind::PushLikeRadio, "Meters", {246, 93, 33, 12}, InGroup},
    {IdcWireSize, ControlKind::DropDownList, "", {170, 107, 37, 77}, Tab, "Wire size"},
    {IdcConductors, ControlKind::DropDownList, "", {252, 108, 27, 77}, Tab,
     "Conductors per phase"},
    {IdcCalculate, ControlKind::DefaultPushButton, "&Calculate", {8, 139, 48, 13}, Tab},
    {IdcClear, ControlKind::PushButton, "C&lear", {84, 139, 48, 13}, Tab},
    {IdcAbout, ControlKind::PushButton, "A&bout...", {160, 139, 48, 13}, Tab},
    {IdcExit, ControlKind::PushButton, "E&xit", {236, 139, 48, 13}, Tab},
    {IdcSystemTypeBox, ControlKind::GroupBox, "Set system type", {7, 7, 113, 118},
     StyleGroup | StyleFramed},
    {NoControlId, ControlKind::GroupBox, "Phases", {13, 18, 48, 35}, StyleGroup},
    {NoControlId, ControlKind::GroupBox, "Conductor", {66, 18, 48, 35}, StyleGroup},
    {NoControlId, ControlKind::GroupBox, "Current", {13, 56, 48, 35}, StyleGroup},
    {NoControlId, ControlKind::GroupBox, "Raceway", {66, 56, 48, 64}, StyleGroup},
    {NoControlId, ControlKind::GroupBox, "Voltage", {13, 94, 48, 26}, StyleGroup},
    {IdcSolutionBox, ControlKind::GroupBox, "Choose button of desired solution",
     {124, 7, 160, 118}, StyleGroup | StyleFramed},
    {NoControlId, ControlKind::GroupBox, "", {170, 17, 109, 43}, StyleGroup, "Voltage result"},
    {NoControlId, ControlKind::GroupBox, "", {170, 57, 109, 33}, StyleGroup, "Load"},
    {NoControlId, ControlKind::Static, CreditLine, {7, 128, 277, 8}, StyleGroup | StyleCenter},
    {IdcVersionText, ControlKind::Static, "3.1.98.0030", {246, 152, 45, 8},
     StyleGroup | StyleAlignRight, "Version"},
}};

inline constexpr DialogTemplate CalculatorTemplate = {
    "Quillfen", 291, 160, "MS Sans Serif", 8, CalculatorControls,
};

} // namespace ui
