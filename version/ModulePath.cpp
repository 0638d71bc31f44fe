#include "ModulePath.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <string>
#else
#include <system_error>
#endif

namespace version {

#ifdef _WIN32

std::filesystem::path ModulePath() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0)
      return {};
    if (length < buffer.size()) {
      buffer.resize(length);
      return std::filesystem::path(buffer);
    }
    // Cut short: the whole buffer was used. Paths end at 32,767 characters,
    // so past that something is wrong and no path is better than a cut one.
    if (buffer.size() > 32768)
      return {};
    buffer.resize(buffer.size() * 2);
  }
}

#else

std::filesystem::path ModulePath() {
  std::error_code error;
  std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error)
    return {};
  return path;
}

#endif

} // namespace version
