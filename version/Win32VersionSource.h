// On Windows the version information is the module's own VERSIONINFO
// resource, read with the system's version-information calls.
#pragma once

#include "VersionSource.h"

namespace version {

class Win32VersionSource final : public VersionSource {
public:
  std::uint32_t InfoSize(const std::filesystem::path& file) const override;
  bool ReadInfo(const std::filesystem::path& file, std::span<std::byte> data) const override;
  // The system matches each name along the path without regard to case, and
  // gives string values in the ANSI code page with their recorded length.
  VersionValue QueryPath(std::span<const std::byte> data, std::string_view path) const override;
  std::string_view BuildDate() const override;
};

} // namespace version
