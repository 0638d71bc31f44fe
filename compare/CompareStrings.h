// The Compare Wire Sizes dialog's caption and column headings.
#pragma once

#include "version/VersionData.h"

#include <string_view>

namespace compare {

// The window title, before the product name.
inline constexpr std::string_view IdsCompareTitle = "Compare Wire Sizes";
inline constexpr std::string_view IdsCompareCaptionProduct = version::data::ProductName;

} // namespace compare
