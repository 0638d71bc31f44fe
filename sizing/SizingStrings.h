// The Size Conductors window's texts: caption, conditions, headings, marks,
// notes and the chart's legend. What the sizing found is worded by the engine
// (engine/SizingText.cpp), so the window, the copy and the report agree.
#pragma once

#include "version/VersionData.h"

#include <array>
#include <string_view>

namespace sizing {

// The window title, before the product name.
inline constexpr std::string_view IdsSizingTitle = "Size Conductors";
inline constexpr std::string_view IdsSizingCaptionProduct = version::data::ProductName;

// Conditions: labels with their Alt keys, and the names a screen reader gives the controls.
inline constexpr std::string_view IdsConditionsTitle = "Installation";
inline constexpr std::string_view IdsConductorsLabel = "Con&ductors per phase:";
inline constexpr std::string_view IdsConductorsName = "Conductors per phase";
inline constexpr std::string_view IdsRatingLabel = "&Insulation rating:";
inline constexpr std::string_view IdsRatingName = "Conductor insulation temperature rating";
inline constexpr std::string_view IdsContinuousLabel = "Co&ntinuous load (125 %)";
inline constexpr std::string_view IdsTerminationsLabel = "&Terminations:";
inline constexpr std::string_view IdsTerminationsName = "Termination temperature rating";
inline constexpr std::array<std::string_view, 3> IdsTerminations = {
    "by NEC 110.14(C)", "listed 75 \u00B0C", "listed 90 \u00B0C"};
inline constexpr std::string_view IdsAmbientLabel = "A&mbient:";
inline constexpr std::string_view IdsAmbientName = "Ambient temperature in degrees Celsius";
inline constexpr std::string_view IdsAmbientSuffix = " \u00B0C";
inline constexpr std::string_view IdsFahrenheit = "(%1 \u00B0F)";
inline constexpr std::string_view IdsCurrentCarryingLabel = "Current-carr&ying conductors:";
inline constexpr std::string_view IdsCurrentCarryingName =
    "Current-carrying conductors in the raceway or cable";
inline constexpr std::string_view IdsPowerFactorLabel = "&Power factor:";
inline constexpr std::string_view IdsPowerFactorName = "Power factor of the load";
inline constexpr std::string_view IdsPowerFactorTip =
    "Lagging power factor of the load, 0.50 to 1.00; 0.85 is Table 9's own basis. "
    "Direct current has none.";
inline constexpr std::string_view IdsMethodLabel = "Size the drop &by:";
inline constexpr std::string_view IdsMethodName = "Drop the size must keep within the allowed drop";
inline constexpr std::array<std::string_view, 3> IdsMethods = {"the larger of both", "impedance",
                                                               "K"};

// The answer and the work.
inline constexpr std::string_view IdsAnswerName = "Answer";
inline constexpr std::string_view IdsWorkLabel = "&Work:";
inline constexpr std::string_view IdsWorkName = "Work, step by step";
inline constexpr std::string_view IdsBasis =
    "%1. Ampacity from Table 310.16 (30 \u00B0C ambient, not more than three current-carrying "
    "conductors), corrected and adjusted as above; impedance from Chapter 9 Table 9 (600 V, "
    "60 Hz, 75 \u00B0C, three single conductors in conduit).";

// The table: headings with their units, shown and copied alike.
inline constexpr std::string_view IdsHeadingSize = "Size";
inline constexpr std::string_view IdsHeadingAmpacity = "Usable ampacity (A)";
inline constexpr std::string_view IdsHeadingPercent = "Percent drop (%)";
inline constexpr std::string_view IdsHeadingImpedance = "Drop by impedance (%)";
inline constexpr std::string_view IdsHeadingKPercent = "Drop by K (%)";
inline constexpr std::string_view IdsHeadingWithin = "Within allowed drop";
inline constexpr std::string_view IdsHeadingCarries = "Enough ampacity";
inline constexpr std::string_view IdsHeadingDropVolts = "Drop by K (V)";
inline constexpr std::string_view IdsHeadingFinal = "Final voltage by K (V)";
inline constexpr std::string_view IdsHeadingK = "K (\u03A9\u00B7cmil/ft)";
inline constexpr std::string_view IdsHeadingArea = "Total area (cmil)";
inline constexpr std::string_view IdsAmpacityHeadingTip =
    "All conductors of one phase together: the termination column, or the insulation column "
    "corrected for ambient and adjusted for the conductors in the raceway, whichever is less";
inline constexpr std::string_view IdsPercentHeadingTip =
    "The drop the size is judged by: the larger of both, the impedance or K, as chosen above";
inline constexpr std::string_view IdsKPercentHeadingTip =
    "By the K relation, as the calculator computes it: the drop at power factor 1";
inline constexpr std::string_view IdsImpedanceHeadingTip =
    "By Table 9's resistance and reactance at the power factor chosen above (AC only)";
inline constexpr std::string_view IdsWithinHeadingTip =
    "By the drop the size is judged by, as the conductors may be installed";
inline constexpr std::string_view IdsCarriesHeadingTip =
    "Meets every ampacity test of the minimum size: load, terminations, correction and "
    "adjustment, and protection by the overcurrent device";
inline constexpr std::string_view IdsKHeadingTip =
    "Ohm-circular mils per foot for this size, current, material and raceway";
inline constexpr std::string_view IdsTableLabel =
    "Wire &sizes (green: the size to install; bold: the size on the form):";
inline constexpr std::string_view IdsTableName = "Wire sizes";
inline constexpr std::string_view IdsTableDescription =
    "Every wire size for the circuit on the form; the size to install is tinted green, the size "
    "on the form is in bold.";

// The marks as shown, as copied and as read out.
inline constexpr std::string_view IdsMark = "\u2713";
inline constexpr std::string_view IdsCopiedYes = "yes";
inline constexpr std::string_view IdsCopiedNo = "no";
inline constexpr std::string_view IdsWithinDrop = "within the allowed drop";
inline constexpr std::string_view IdsOverDrop = "over the allowed drop";
inline constexpr std::string_view IdsCarries = "enough ampacity";
inline constexpr std::string_view IdsLacks = "not enough ampacity";

// Notes on a row, in its cells' tooltips and descriptions.
inline constexpr std::string_view IdsInstallNote = "The size to install";
inline constexpr std::string_view IdsFormSizeNote = "The size on the form";
inline constexpr std::string_view IdsOvercurrentNote =
    "Overcurrent device not over %1 A for this size (NEC 240.4(D))";
inline constexpr std::string_view IdsNoImpedanceNote =
    "No Table 9 value for this size, or direct current";

// Buttons and commands.
inline constexpr std::string_view IdsClose = "&Close";
inline constexpr std::string_view IdsCopy = "C&opy";
inline constexpr std::string_view IdsSaveReport = "Save &Report...";

// The chart.
inline constexpr std::string_view IdsChartName = "Percent drop by wire size";
inline constexpr std::string_view IdsChartSizes = "Size to install: %1; size on the form: %2.";
inline constexpr std::string_view IdsNoSize = "none in the table";
inline constexpr std::string_view IdsLegendWithin = "within allowed drop";
inline constexpr std::string_view IdsLegendOver = "over allowed drop";
inline constexpr std::string_view IdsLegendInstall = "size to install";
inline constexpr std::string_view IdsLegendForm = "size on the form";
inline constexpr std::string_view IdsLegendAllowed = "allowed drop %1";
inline constexpr std::string_view IdsLegendLacks = "not enough ampacity";

// The circuit and the installation as the copy and the report list them.
inline constexpr std::string_view IdsCircuitVoltage = "System voltage";
inline constexpr std::string_view IdsCircuitSystem = "System";
inline constexpr std::array<std::string_view, 2> IdsPhases = {"single-phase", "three-phase"};
inline constexpr std::array<std::string_view, 2> IdsCurrents = {"AC", "DC"};
inline constexpr std::string_view IdsCircuitConductor = "Conductor";
inline constexpr std::array<std::string_view, 2> IdsMaterials = {"copper", "aluminum"};
inline constexpr std::string_view IdsCircuitRaceway = "Raceway";
inline constexpr std::array<std::string_view, 3> IdsRaceways = {"steel", "aluminum",
                                                                "non-metallic"};
inline constexpr std::string_view IdsCircuitLoad = "Load";
inline constexpr std::string_view IdsCircuitLength = "One-way length";
inline constexpr std::string_view IdsCircuitAllowed = "Allowed drop";
inline constexpr std::string_view IdsConditionContinuous = "Continuous load";
inline constexpr std::string_view IdsConditionAmbient = "Ambient";
inline constexpr std::string_view IdsNoPowerFactor = "none (direct current)";
inline constexpr std::string_view IdsDirectCurrentMethod = "K (direct current)";

} // namespace sizing
