// The About dialogs' own texts: the boxes their link buttons show when the
// desktop cannot open a link, and the author box's caption.
#pragma once

#include "version/VersionData.h"

#include <string_view>

namespace about {

inline constexpr std::string_view IdsMessageCaption = version::data::ProductName; // 102
inline constexpr std::string_view IdsNoWebBrowser = "Unable to start web browser";
inline constexpr std::string_view IdsNoEmailClient = "Unable to start Email client";
// "About " and the maker's name.
inline constexpr std::string_view IdsAuthorTitle = "About %1";

} // namespace about
