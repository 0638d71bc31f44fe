// A VersionSource whose answers a test sets: the size it reports, whether
// the read succeeds, the values by full path, and the build date. It
// records what it was asked.
#pragma once

#include "version/VersionSource.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace version::test {

class FakeVersionSource final : public VersionSource {
public:
  struct Value {
    std::string Text;
    std::uint32_t RecordedLength;
  };

  std::uint32_t Size = 16;
  bool ReadSucceeds = true;
  std::map<std::string, Value> Values; // by full path, exact case
  std::string Date = "Oct 15 1998";

  mutable int Reads = 0;
  mutable std::vector<std::string> QueriedPaths;
  // Whether every QueryPath saw exactly the bytes ReadInfo wrote.
  mutable bool DataIntact = true;

  std::uint32_t InfoSize(const std::filesystem::path&) const override { return Size; }

  bool ReadInfo(const std::filesystem::path&, std::span<std::byte> data) const override {
    ++Reads;
    for (std::size_t i = 0; i < data.size(); ++i)
      data[i] = Pattern(i);
    return ReadSucceeds;
  }

  VersionValue QueryPath(std::span<const std::byte> data, std::string_view path) const override {
    QueriedPaths.emplace_back(path);
    bool intact = data.size() == Size;
    for (std::size_t i = 0; intact && i < data.size(); ++i)
      intact = data[i] == Pattern(i);
    DataIntact = DataIntact && intact;
    const auto it = Values.find(std::string(path));
    if (it == Values.end())
      return {};
    return {true, it->second.Text, it->second.RecordedLength};
  }

  std::string_view BuildDate() const override { return Date; }

private:
  static std::byte Pattern(std::size_t i) { return static_cast<std::byte>(i * 7 + 3); }
};

} // namespace version::test
