// The one place of this layer that includes the Win32 headers: the module
// path and the version-information calls.
#include "Win32VersionSource.h"

#include "BuildDate.h"
#include "ModulePath.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstring>
#include <string>

namespace version {

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

std::uint32_t Win32VersionSource::InfoSize(const std::filesystem::path& file) const {
  DWORD handle = 0;
  return GetFileVersionInfoSizeW(file.c_str(), &handle);
}

bool Win32VersionSource::ReadInfo(const std::filesystem::path& file,
                                  std::span<std::byte> data) const {
  return GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(data.size()), data.data()) != 0;
}

VersionValue Win32VersionSource::QueryPath(std::span<const std::byte> data,
                                           std::string_view path) const {
  const std::string query(path);
  void* value = nullptr;
  UINT length = 0;
  // The block reserves room for the ANSI copies the A call makes of its
  // Unicode strings, so the value still points into `data`.
  if (VerQueryValueA(data.data(), query.c_str(), &value, &length) == 0 || value == nullptr)
    return {};
  const auto* text = static_cast<const char*>(value);
  return {true, std::string_view(text, strnlen(text, length)), length};
}

std::string_view Win32VersionSource::BuildDate() const { return BuildDateText(); }

const VersionSource& PlatformVersionSource() {
  static const Win32VersionSource source;
  return source;
}

} // namespace version
