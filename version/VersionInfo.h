// CVersionInfo reads the version information of one module file once and
// expands short templates against one block of it. The About dialog keeps
// its title, version line, copyright and notice texts as templates and
// expands them here, so those texts follow the version information alone.
//
// Template pieces:
//   %Key%   the value stored under Key in the block (a key never holds '%');
//           a key the block lacks is copied back as it stood
//   %%      one percent sign
//   ~C, ~c  the build date, "Oct 15 1998"
//   ~x      any other character after a tilde: both characters unchanged
//   other   itself; line breaks are ordinary characters
// An unclosed placeholder takes the rest of the template as its key and ends
// the expansion; so does a tilde at the very end, which is written alone.
//
// Room: a signed count of the output bytes still free, the terminating zero
// included, as a caller with a fixed buffer of that size would pass it. Each
// piece either fits and lowers the room, or is left out; the output never
// holds more than room - 1 characters. Texts end at their first NUL.
#pragma once

#include "VersionSource.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace version {

class CVersionInfo {
public:
  // `blockPath` names the block that keys are looked up in and ends with a
  // backslash, e.g. "\StringFileInfo\040904E4\".
  CVersionInfo(std::filesystem::path moduleFile, std::string blockPath);
  // The same through another source, which must outlive the object.
  CVersionInfo(std::filesystem::path moduleFile, std::string blockPath,
               const VersionSource& source);

  // Replaces whatever the object held by the version information of
  // `moduleFile`. A file without it (or whose read fails) leaves the object
  // without version data.
  void LoadVersionInfo(std::filesystem::path moduleFile, std::string blockPath);

  // True when the block holds `key`. The value replaces `out` and lowers
  // `room` by its recorded length only when that length is less than `room`;
  // otherwise `out` and `room` stay as they were, found or not.
  bool QueryValue(std::string_view key, std::string& out, std::int32_t& room) const;

  // Expands `templ` into `out` (replaced) within `room` and returns the
  // length of the result. Without version data the template is copied
  // unexpanded when it fits (shorter than `room`), else `out` is left empty,
  // and the result is 0 either way.
  std::int32_t ExpandTemplate(std::string_view templ, std::string& out, std::int32_t room) const;

  bool HasVersionData() const { return m_versionData.has_value(); }
  const std::filesystem::path& FileName() const { return m_fileName; }
  const std::string& BlockPath() const { return m_blockPath; }

private:
  VersionValue Lookup(std::string_view key) const;
  // Appends the value, or the copied-back placeholder, when it fits.
  void ExpandPlaceholder(std::string_view key, std::string& out, std::int32_t& room) const;

  const VersionSource* m_source;
  std::filesystem::path m_fileName;
  std::string m_blockPath;
  // The module's whole version information as the source delivered it.
  std::optional<std::vector<std::byte>> m_versionData;
};

} // namespace version
