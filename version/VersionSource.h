// Where CVersionInfo gets a module's version information from: the three
// calls a platform offers for it (size, read, look up a path) and the text
// that "~C" stands for. Tests put a fake behind it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

namespace version {

struct VersionValue {
  bool Found = false;
  // Points into the data given to QueryPath; the value ends at its first NUL.
  std::string_view Text;
  // What the version information records as the value's length: characters
  // counting the terminating zero, so 12 for "3.1.98.0030".
  std::uint32_t RecordedLength = 0;
};

class VersionSource {
public:
  virtual ~VersionSource() = default;

  // Bytes of version information the file holds; 0 when it has none or
  // cannot be read.
  virtual std::uint32_t InfoSize(const std::filesystem::path& file) const = 0;
  // Fills `data`, InfoSize bytes long, with that information. False when the
  // read fails.
  virtual bool ReadInfo(const std::filesystem::path& file, std::span<std::byte> data) const = 0;
  // Looks up a path such as "\StringFileInfo\040904E4\FileVersion" in data
  // from ReadInfo, matching each name along it without regard to letter case.
  virtual VersionValue QueryPath(std::span<const std::byte> data, std::string_view path) const = 0;
  // The build date, 11 characters in the form of __DATE__: "Oct 15 1998".
  virtual std::string_view BuildDate() const = 0;

protected:
  VersionSource() = default;
  VersionSource(const VersionSource&) = default;
  VersionSource& operator=(const VersionSource&) = default;
};

// The source the program itself uses: on Windows the modules' own version
// resources; elsewhere the built-in table, which answers for the program's
// own module file only.
const VersionSource& PlatformVersionSource();

} // namespace version
