#include "VersionInfo.h"

#include <new>
#include <utility>

namespace version {
namespace {

// Texts are C strings in the resource world: everything from a NUL on is
// not part of them.
std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

// Whether `need` bytes are less than `room`. Counted wide, so neither a
// negative room nor a long key can wrap around.
bool LessThanRoom(std::uint64_t need, std::int32_t room) {
  return room > 0 && need < static_cast<std::uint64_t>(room);
}

void Lower(std::int32_t& room, std::uint64_t by) {
  // Only after LessThanRoom(by, room), so `by` is below room and fits.
  room -= static_cast<std::int32_t>(by);
}

// The characters a found value writes: its text up to the first NUL and
// never more than its recorded length allows, so that what is written can
// never exceed what the room was lowered by.
std::string_view ValueText(const VersionValue& value) {
  const std::size_t most = value.RecordedLength == 0 ? 0 : value.RecordedLength - 1;
  return UpToNul(value.Text).substr(0, most);
}

} // namespace

CVersionInfo::CVersionInfo(std::filesystem::path moduleFile, std::string blockPath)
    : CVersionInfo(std::move(moduleFile), std::move(blockPath), PlatformVersionSource()) {}

CVersionInfo::CVersionInfo(std::filesystem::path moduleFile, std::string blockPath,
                           const VersionSource& source)
    : m_source(&source) {
  LoadVersionInfo(std::move(moduleFile), std::move(blockPath));
}

void CVersionInfo::LoadVersionInfo(std::filesystem::path moduleFile, std::string blockPath) {
  m_versionData.reset();
  m_fileName = std::move(moduleFile);
  m_blockPath = std::move(blockPath);

  const std::uint32_t size = m_source->InfoSize(m_fileName);
  if (size == 0)
    return;
  try {
    std::vector<std::byte> data(size);
    // Data from a failed read would be garbage to look keys up in; treat it
    // as no version data, which shows the templates unexpanded.
    if (m_source->ReadInfo(m_fileName, data))
      m_versionData = std::move(data);
  } catch (const std::bad_alloc&) {
    // A block that cannot be allocated is no version data either.
  }
}

VersionValue CVersionInfo::Lookup(std::string_view key) const {
  std::string path = m_blockPath;
  path += key;
  return m_source->QueryPath(*m_versionData, path);
}

bool CVersionInfo::QueryValue(std::string_view key, std::string& out, std::int32_t& room) const {
  if (!m_versionData)
    return false;
  const VersionValue value = Lookup(UpToNul(key));
  if (value.Found && LessThanRoom(value.RecordedLength, room)) {
    out.assign(ValueText(value));
    Lower(room, value.RecordedLength);
  }
  return value.Found;
}

void CVersionInfo::ExpandPlaceholder(std::string_view key, std::string& out,
                                     std::int32_t& room) const {
  const VersionValue value = Lookup(key);
  if (value.Found) {
    if (LessThanRoom(value.RecordedLength, room)) {
      out += ValueText(value);
      Lower(room, value.RecordedLength);
    }
    return;
  }
  // Copied back as it stood; an unclosed one gets its closing sign too.
  const std::uint64_t length = std::uint64_t{key.size()} + 2;
  if (LessThanRoom(length, room)) {
    out += '%';
    out += key;
    out += '%';
    Lower(room, length);
  }
}

std::int32_t CVersionInfo::ExpandTemplate(std::string_view templ, std::string& out,
                                          std::int32_t room) const {
  out.clear();
  templ = UpToNul(templ);
  if (!m_versionData) {
    if (LessThanRoom(templ.size(), room))
      out.assign(templ);
    return 0;
  }

  const std::string_view date = UpToNul(m_source->BuildDate());
  std::size_t pos = 0;
  // A room of 1 holds only the terminating zero.
  while (pos < templ.size() && room > 1) {
    const char c = templ[pos];
    const bool hasNext = pos + 1 < templ.size();
    if (c == '%' && hasNext && templ[pos + 1] == '%') {
      out += '%';
      room -= 1;
      pos += 2;
    } else if (c == '%') {
      const std::size_t keyStart = pos + 1;
      const std::size_t close = templ.find('%', keyStart);
      if (close == std::string_view::npos) {
        ExpandPlaceholder(templ.substr(keyStart), out, room);
        break;
      }
      ExpandPlaceholder(templ.substr(keyStart, close - keyStart), out, room);
      pos = close + 1;
    } else if (c == '~' && !hasNext) {
      // Written alone, under the same room condition as a tilde pair.
      if (LessThanRoom(2, room))
        out += '~';
      break;
    } else if (c == '~') {
      const char next = templ[pos + 1];
      if (next == 'C' || next == 'c') {
        if (LessThanRoom(date.size(), room)) {
          out += date;
          Lower(room, date.size());
        }
      } else if (LessThanRoom(2, room)) {
        out += c;
        out += next;
        room -= 2;
      }
      pos += 2;
    } else {
      out += c;
      room -= 1;
      pos += 1;
    }
  }
  return static_cast<std::int32_t>(out.size());
}

} // namespace version
