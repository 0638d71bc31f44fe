// What the info tests share: the block the About dialog reads, a fixed build
// date, and the program's own table behind a CVersionInfo.
#pragma once

#include "version/BuiltInVersionSource.h"
#include "version/ModulePath.h"
#include "version/VersionData.h"
#include "version/VersionInfo.h"

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace version::test {

inline constexpr std::string_view AboutBlock = "\\StringFileInfo\\040904E4\\";
inline constexpr std::string_view FixedDate = "Oct 15 1998";
inline constexpr std::string_view FileVersionText = "3.1.98.0030";
inline constexpr std::int32_t RoomMin = std::numeric_limits<std::int32_t>::min();
inline constexpr std::int32_t RoomMax = std::numeric_limits<std::int32_t>::max();

// The value of `key` in the generated table; empty when it has none.
inline std::string_view TableValue(std::string_view key) {
  for (const data::StringValue& value : data::Strings) {
    if (value.Key == key)
      return value.Text;
  }
  return {};
}

// The program's own version information with the build date pinned, and
// the same source asked for a file that has none.
struct BuiltInInfo {
  BuiltInVersionSource Source{ModulePath(), std::string(FixedDate)};
  CVersionInfo Held{ModulePath(), std::string(AboutBlock), Source};
  CVersionInfo Without{"/nonexistent/Tamsik", std::string(AboutBlock), Source};
};

} // namespace version::test
