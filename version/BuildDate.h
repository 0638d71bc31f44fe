#pragma once

#include <string_view>

namespace version {

// The date the program was built, as __DATE__ writes it: "Oct 15 1998", the
// day padded with a space. Taken from SOURCE_DATE_EPOCH when that was set at
// configure time, so that rebuilds are identical.
std::string_view BuildDateText();

} // namespace version
