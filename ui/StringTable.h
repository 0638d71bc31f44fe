// The program's own texts, by the number the rest of the program knows them by.
#pragma once

#include "version/VersionData.h"

#include <array>
#include <string_view>

namespace ui {

inline constexpr std::string_view IdsAboutItem = "&About Tamsik...";              // 101
inline constexpr std::string_view IdsMessageCaption = version::data::ProductName; // 102

// The commands that take the results away.
inline constexpr std::string_view IdsCopyResults = "Copy Results";
inline constexpr std::string_view IdsSaveReport = "Save Report...";

// The size comparison: its command, and its window title before the caption.
inline constexpr std::string_view IdsCompareWireSizes = "Compare Wire Sizes...";
inline constexpr std::string_view IdsCompareWireSizesTitle = "Compare Wire Sizes";

} // namespace ui
