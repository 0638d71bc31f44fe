// Arbitrary templates, keys and rooms for CVersionInfo, against the
// program's own table and against a source whose answers (sizes, failed
// reads, values, recorded lengths that disagree with the text, dates) come
// from the input. Besides the sanitizers, it checks what must hold for any
// input: the output fits the room, lengths agree, and nothing is written
// when nothing fits.
#include "version/BuiltInVersionSource.h"
#include "version/ModulePath.h"
#include "version/VersionInfo.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using version::CVersionInfo;

void Require(bool holds) {
  if (!holds)
    __builtin_trap();
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

class InputSource final : public version::VersionSource {
public:
  std::uint32_t Size = 0;
  bool ReadSucceeds = true;
  std::string Key; // the one key found, any letter case; empty finds every key
  std::string Text;
  std::uint32_t RecordedLength = 0;
  std::string Date;
  std::string Block;

  std::uint32_t InfoSize(const std::filesystem::path&) const override { return Size; }
  bool ReadInfo(const std::filesystem::path&, std::span<std::byte> data) const override {
    Require(data.size() == Size);
    std::fill(data.begin(), data.end(), std::byte{0xA5});
    return ReadSucceeds;
  }
  version::VersionValue QueryPath(std::span<const std::byte> data,
                                  std::string_view path) const override {
    Require(data.size() == Size);
    Require(path.starts_with(Block));
    const std::string_view key = path.substr(Block.size());
    const bool found =
        Key.empty() || std::equal(Key.begin(), Key.end(), key.begin(), key.end(),
                                  [](char a, char b) { return Lower(a) == Lower(b); });
    if (!found)
      return {};
    return {true, Text, RecordedLength};
  }
  std::string_view BuildDate() const override { return Date; }
};

std::int32_t ConsumeRoom(FuzzedDataProvider& in) {
  // Mostly rooms near where the rules change their mind, sometimes any.
  if (in.ConsumeBool())
    return in.ConsumeIntegralInRange<std::int32_t>(-2, 300);
  return in.ConsumeIntegral<std::int32_t>();
}

void CheckExpansion(const CVersionInfo& info, std::string_view templ, std::int32_t room) {
  std::string out = "stale";
  const std::int32_t length = info.ExpandTemplate(templ, out, room);
  const std::string_view text = templ.substr(0, templ.find('\0'));
  const std::int64_t most = std::max<std::int64_t>(std::int64_t{room} - 1, 0);
  Require(out.find('\0') == std::string::npos);
  Require(static_cast<std::int64_t>(out.size()) <= most);
  if (info.HasVersionData()) {
    Require(length == static_cast<std::int64_t>(out.size()));
  } else {
    Require(length == 0);
    const bool fits = static_cast<std::int64_t>(text.size()) < room;
    Require(fits ? out == text : out.empty());
  }
}

void CheckQuery(const CVersionInfo& info, std::string_view key, std::int32_t room) {
  std::string out = "stale";
  std::int32_t left = room;
  const bool found = info.QueryValue(key, out, left);
  Require(left <= room);
  if (left < room) {
    // Written: the room paid for the text and its zero, and one byte stays.
    Require(found && left >= 1);
    Require(static_cast<std::int64_t>(out.size()) <= std::int64_t{room} - left - 1);
  } else {
    Require(out == "stale" || (found && out.empty()));
  }
  if (!info.HasVersionData())
    Require(!found && out == "stale");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const version::BuiltInVersionSource builtIn(version::ModulePath(), "Oct 15 1998");
  static const char* const blocks[] = {"\\StringFileInfo\\040904E4\\",
                                       "\\StringFileInfo\\040904e4\\", "\\StringFileInfo\\"};

  FuzzedDataProvider in(data, size);
  const bool useInputSource = in.ConsumeBool();
  const std::int32_t room = ConsumeRoom(in);
  const std::int32_t queryRoom = ConsumeRoom(in);

  InputSource source;
  std::string block;
  if (useInputSource) {
    source.Size = in.ConsumeIntegralInRange<std::uint32_t>(0, 4096);
    source.ReadSucceeds = in.ConsumeBool();
    source.RecordedLength = in.ConsumeBool() ? in.ConsumeIntegralInRange<std::uint32_t>(0, 300)
                                             : in.ConsumeIntegral<std::uint32_t>();
    source.Key = in.ConsumeRandomLengthString(32);
    source.Text = in.ConsumeRandomLengthString(512);
    source.Date = in.ConsumeRandomLengthString(24);
    block = in.ConsumeRandomLengthString(48);
    source.Block = block;
  } else {
    block = blocks[in.ConsumeIntegralInRange<std::size_t>(0, std::size(blocks) - 1)];
  }
  const std::string key = in.ConsumeRandomLengthString(300);
  const std::string templ = in.ConsumeRemainingBytesAsString();

  const version::VersionSource& chosen =
      useInputSource ? static_cast<const version::VersionSource&>(source) : builtIn;
  const CVersionInfo held(version::ModulePath(), block, chosen);
  CheckExpansion(held, templ, room);
  CheckQuery(held, key, queryRoom);
  CheckQuery(held, templ, queryRoom);

  // The same inputs without version data: copied unexpanded or left out.
  const CVersionInfo without("/nonexistent/Tamsik", block, builtIn);
  CheckExpansion(without, templ, room);
  CheckQuery(without, key, queryRoom);
  return 0;
}
