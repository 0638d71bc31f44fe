#include "BuiltInVersionSource.h"

#include "BuildDate.h"
#include "ModulePath.h"
#include "version/VersionData.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace version {
namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Names are ASCII, so ASCII folding is the whole of "without regard to
// letter case"; names never hold a backslash, so comparing whole paths this
// way compares them name by name.
bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiLower(x) == AsciiLower(y);
         });
}

std::string BuildImage() {
  std::string image;
  for (const data::StringValue& value : data::Strings) {
    image += "\\StringFileInfo\\";
    image += data::BlockName;
    image += '\\';
    image += value.Key;
    image += '\0';
    image += value.Text;
    image += '\0';
  }
  return image;
}

} // namespace

BuiltInVersionSource::BuiltInVersionSource(std::filesystem::path ownModule, std::string buildDate)
    : m_ownModule(std::move(ownModule)), m_buildDate(std::move(buildDate)), m_image(BuildImage()) {}

bool BuiltInVersionSource::IsOwnModule(const std::filesystem::path& file) const {
  return !m_ownModule.empty() && file.lexically_normal() == m_ownModule.lexically_normal();
}

std::uint32_t BuiltInVersionSource::InfoSize(const std::filesystem::path& file) const {
  return IsOwnModule(file) ? static_cast<std::uint32_t>(m_image.size()) : 0;
}

bool BuiltInVersionSource::ReadInfo(const std::filesystem::path& file,
                                    std::span<std::byte> data) const {
  if (!IsOwnModule(file) || data.size() < m_image.size())
    return false;
  std::memcpy(data.data(), m_image.data(), m_image.size());
  std::fill(data.begin() + static_cast<std::ptrdiff_t>(m_image.size()), data.end(), std::byte{0});
  return true;
}

VersionValue BuiltInVersionSource::QueryPath(std::span<const std::byte> data,
                                             std::string_view path) const {
  std::string_view rest(reinterpret_cast<const char*>(data.data()), data.size());
  // Entries run "path NUL text NUL"; anything after the last whole entry is
  // not looked at.
  for (;;) {
    const std::size_t pathEnd = rest.find('\0');
    if (pathEnd == std::string_view::npos)
      return {};
    const std::size_t textEnd = rest.find('\0', pathEnd + 1);
    if (textEnd == std::string_view::npos)
      return {};
    const std::string_view entryPath = rest.substr(0, pathEnd);
    const std::string_view text = rest.substr(pathEnd + 1, textEnd - pathEnd - 1);
    if (!entryPath.empty() && EqualIgnoringCase(entryPath, path)) {
      const std::size_t recorded =
          std::min<std::size_t>(text.size() + 1, std::numeric_limits<std::uint32_t>::max());
      return {true, text, static_cast<std::uint32_t>(recorded)};
    }
    rest.remove_prefix(textEnd + 1);
  }
}

#ifndef _WIN32
// Linux has no version resources: the table stands in for the program's own.
const VersionSource& PlatformVersionSource() {
  static const BuiltInVersionSource source(ModulePath(), std::string(BuildDateText()));
  return source;
}
#endif

} // namespace version
