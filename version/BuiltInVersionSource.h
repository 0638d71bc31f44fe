// Linux has no version resources, so the program carries its version
// information as a table (generated from res/version) and this source
// delivers it for the program's own module file as if it were read from it.
#pragma once

#include "VersionSource.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace version {

class BuiltInVersionSource final : public VersionSource {
public:
  // `ownModule` is the one file the table answers for; any other path has no
  // version information. `buildDate` is what "~C" stands for.
  BuiltInVersionSource(std::filesystem::path ownModule, std::string buildDate);

  std::uint32_t InfoSize(const std::filesystem::path& file) const override;
  bool ReadInfo(const std::filesystem::path& file, std::span<std::byte> data) const override;
  VersionValue QueryPath(std::span<const std::byte> data, std::string_view path) const override;
  std::string_view BuildDate() const override { return m_buildDate; }

private:
  bool IsOwnModule(const std::filesystem::path& file) const;

  std::filesystem::path m_ownModule;
  std::string m_buildDate;
  // The table as delivered: for each value its full path, NUL, its text, NUL.
  std::string m_image;
};

} // namespace version
