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
inline constexpr std::string_view IdsSizeConductors = "Size Conductors...";

// Save Report: the file dialog, the name offered, the relation the page
// states (%1 K, %2 M, %3 A), the box of a report that could not be saved
// (%1 the path, %2 the reason) with its reasons, and the file dialog's boxes
// for a name the folder cannot hold (%1 its limit, %2 the name's length) and
// for a name already taken (%1 the name).
inline constexpr std::string_view IdsReportDialogTitle = "Save Report";
inline constexpr std::string_view IdsReportFilter = "PDF files (*.pdf)";
inline constexpr std::string_view IdsReportFileName = "%1 report.pdf";
inline constexpr std::string_view IdsSizingReportFileName = "%1 sizing report.pdf";
inline constexpr std::string_view IdsReportRelation =
    "VD = K \u00d7 M \u00d7 L \u00d7 I / A\n"
    "K = %1 (conductor factor), M = %2 (phase multiplier), A = %3 circular mils "
    "(the area the last solve worked with: the conductors' total, or after a wire-size "
    "solve the area the allowed drop needs); L is the one-way length in feet, I the current "
    "in amps.";
inline constexpr std::string_view IdsReportNotSaved = "The report could not be saved as\n%1\n\n%2";
inline constexpr std::string_view IdsReportNotDrawn = "The page could not be drawn.";
inline constexpr std::string_view IdsReportNotRegularFile =
    "This is not a regular file (it is a device, a pipe or a folder, or a link to one), "
    "so the report does not replace it.";
inline constexpr std::string_view IdsReportReadOnly =
    "The file there is read-only, so the report does not replace it.";
inline constexpr std::string_view IdsReportNotWritten =
    "Not all of the report could be written; any earlier file there is kept.";
inline constexpr std::string_view IdsReportNameTooLong =
    "The file name is too long: names in this folder may take at most %1 bytes, and this one "
    "takes %2.\n\nPlease choose a shorter name.";
inline constexpr std::string_view IdsReportReplace =
    "%1 already exists.\nDo you want to replace it?";

} // namespace calculator
