// Linux: the running program's path is the link /proc/self/exe; Windows has
// its own in Win32VersionSource.cpp.
#include "ModulePath.h"

#include <system_error>

namespace version {

std::filesystem::path ModulePath() {
  std::error_code error;
  std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error)
    return {};
  return path;
}

} // namespace version
