// The calculator's own texts: the described strings by the number the rest
// of the program knows them by, then the texts of the commands it adds and of
// the boxes those commands and the form's validation show.
#pragma once

#include "version/VersionData.h"

#include <string_view>

namespace calculator {

inline constexpr std::string_view IdsAboutItem = "&About Tamsik...";              // 101
inline constexpr std::string_view IdsMessageCaption = version::data::ProductName; // 102

// Reading the form; these boxes carry the application name as caption.
inline constexpr std::string_view IdsNotANumber = "Please enter a number.";
inline constexpr std::string_view IdsOutOfRange = "Please enter a number between %1 and %2.";

// The commands on the context menu.
inline constexpr std::string_view IdsCopyResults = "Copy Results";
inline constexpr std::string_view IdsSaveReport = "Save Report...";
inline constexpr std::string_view IdsCompareWireSizes = "Compare Wire Sizes...";

// Save Report: the file dialog, the name offered, the relation the page
// states (%1 K, %2 M, %3 A) and the box of a report that could not be saved
// (%1 the path, %2 the reason).
inline constexpr std::string_view IdsReportDialogTitle = "Save Report";
inline constexpr std::string_view IdsReportFilter = "PDF files (*.pdf)";
inline constexpr std::string_view IdsReportFileName = "%1 report.pdf";
inline constexpr std::string_view IdsReportRelation =
    "VD = K \u00d7 M \u00d7 L \u00d7 I / A\n"
    "K = %1 (conductor factor), M = %2 (phase multiplier), A = %3 circular mils "
    "(the area the last solve worked with: the conductors' total, or after a wire-size "
    "solve the area the allowed drop needs); L is the one-way length in feet, I the current "
    "in amps.";
inline constexpr std::string_view IdsReportNotSaved = "The report could not be saved as\n%1\n\n%2";
inline constexpr std::string_view IdsReportNotDrawn = "The page could not be drawn.";

} // namespace calculator
