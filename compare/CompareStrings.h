// The Compare Wire Sizes dialog's texts: caption, headings, labels, marks,
// notes, the summary's wording and the chart's legend.
#pragma once

#include "version/VersionData.h"

#include <array>
#include <string_view>

namespace compare {

// The window title, before the product name.
inline constexpr std::string_view IdsCompareTitle = "Compare Wire Sizes";
inline constexpr std::string_view IdsCompareCaptionProduct = version::data::ProductName;

// Column headings, shown and copied alike.
inline constexpr std::string_view IdsHeadingSize = "Size";
inline constexpr std::string_view IdsHeadingK = "K";
inline constexpr std::string_view IdsHeadingArea = "Total area (cmil)";
inline constexpr std::string_view IdsHeadingDropVolts = "Voltage drop (V)";
inline constexpr std::string_view IdsHeadingPercent = "Percent drop";
inline constexpr std::string_view IdsHeadingFinal = "Final voltage (V)";
inline constexpr std::string_view IdsHeadingAmpacity = "Ampacity (A)";
inline constexpr std::string_view IdsHeadingWithin = "Within allowed drop";
inline constexpr std::string_view IdsHeadingCarries = "Enough ampacity";
inline constexpr std::string_view IdsKHeadingTip =
    "Ohm-circular mils per foot for this size, current, material and raceway";
inline constexpr std::string_view IdsAmpacityHeadingTip =
    "What the conductors of one phase may carry together at the chosen temperature rating";

// Labels with their Alt keys, and the names a screen reader gives the controls.
inline constexpr std::string_view IdsConductorsLabel = "Con&ductors per phase:";
inline constexpr std::string_view IdsConductorsName = "Conductors per phase";
inline constexpr std::string_view IdsRatingLabel = "&Temperature rating:";
inline constexpr std::string_view IdsRatingName = "Conductor temperature rating";
inline constexpr std::string_view IdsContinuousLabel = "Co&ntinuous load (125 %)";
inline constexpr std::string_view IdsTableLabel = "Wire &sizes:";
inline constexpr std::string_view IdsTableName = "Wire sizes";
inline constexpr std::string_view IdsTableDescription =
    "Every wire size for the circuit on the form; the size on the form is selected and in bold.";
inline constexpr std::string_view IdsClose = "&Close";
inline constexpr std::string_view IdsCopyTable = "&Copy Table";

// What the ampacity column rests on, under the table.
inline constexpr std::string_view IdsAmpacityBasis =
    "Ampacity: NEC 2023 Table 310.16, not more than three current-carrying conductors, "
    "30 \u00B0C ambient; no correction or adjustment factors applied.";

// The marks as shown, as copied and as read out.
inline constexpr std::string_view IdsMark = "\u2713";
inline constexpr std::string_view IdsCopiedYes = "yes";
inline constexpr std::string_view IdsCopiedNo = "no";
inline constexpr std::string_view IdsWithinDrop = "within the allowed drop";
inline constexpr std::string_view IdsOverDrop = "over the allowed drop";
inline constexpr std::string_view IdsCarries = "enough ampacity";
inline constexpr std::string_view IdsLacks = "not enough ampacity";

// Notes on a row, in its cells' tooltips and descriptions.
inline constexpr std::string_view IdsFormSizeNote = "The size on the form";
inline constexpr std::string_view IdsOvercurrentNote =
    "Overcurrent device not over %1 A for this size (NEC 240.4(D))";

// The summary: the allowed drop and the current, then the three smallest sizes.
inline constexpr std::string_view IdsSummaryLimits =
    "Allowed drop %1% (%2 V); current to carry %3 A.";
inline constexpr std::string_view IdsSummarySizes =
    "Smallest size within the drop: %1; with enough ampacity (%2): %3; meeting both: %4.";
inline constexpr std::string_view IdsNoSize = "none in the table";
inline constexpr std::string_view IdsChartFormSize = "Size on the form: %1.";

// The chart.
inline constexpr std::string_view IdsChartName = "Percent drop by wire size";
inline constexpr std::string_view IdsLegendWithin = "within allowed drop";
inline constexpr std::string_view IdsLegendOver = "over allowed drop";
inline constexpr std::string_view IdsLegendForm = "size on the form";
inline constexpr std::string_view IdsLegendAllowed = "allowed drop %1";
inline constexpr std::string_view IdsLegendLacks = "not enough ampacity";

} // namespace compare
