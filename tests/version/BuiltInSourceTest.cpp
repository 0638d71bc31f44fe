// The built-in table as a VersionSource: it answers for the program's own
// module file only, and its lookups stay inside the data they are given.
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace version::test {
namespace {

const std::string FileVersionPath = std::string(AboutBlock) + "FileVersion";

std::vector<std::byte> ReadOwnInfo(const BuiltInVersionSource& source) {
  std::vector<std::byte> data(source.InfoSize(ModulePath()));
  EXPECT_TRUE(source.ReadInfo(ModulePath(), data));
  return data;
}

TEST(BuiltInSource, AnswersForOwnModuleOnly) {
  BuiltInVersionSource source(ModulePath(), std::string(FixedDate));
  EXPECT_GT(source.InfoSize(ModulePath()), 0U);
  const std::filesystem::path own = ModulePath();
  for (const std::filesystem::path& other :
       {std::filesystem::path(), std::filesystem::path("/bin/sh"), std::filesystem::path("Tamsik"),
        own.filename(), own.parent_path(), std::filesystem::path(own.string() + "x"),
        std::filesystem::path("/nonexistent/Tamsik")}) {
    SCOPED_TRACE(other.string());
    EXPECT_EQ(source.InfoSize(other), 0U);
    std::vector<std::byte> data(64);
    EXPECT_FALSE(source.ReadInfo(other, data));
  }
}

TEST(BuiltInSource, OwnModuleSpelledWithDotsStillAnswers) {
  BuiltInVersionSource source(ModulePath(), std::string(FixedDate));
  const std::filesystem::path own = ModulePath();
  const std::filesystem::path dotted = own.parent_path() / "." / own.filename();
  EXPECT_EQ(source.InfoSize(dotted), source.InfoSize(own));
}

TEST(BuiltInSource, NothingAnswersWhenOwnModuleIsUnknown) {
  BuiltInVersionSource source("", std::string(FixedDate));
  EXPECT_EQ(source.InfoSize(""), 0U);
  EXPECT_EQ(source.InfoSize(ModulePath()), 0U);
}

TEST(BuiltInSource, ReadNeedsRoomForTheWhole) {
  BuiltInVersionSource source(ModulePath(), std::string(FixedDate));
  const std::uint32_t size = source.InfoSize(ModulePath());
  std::vector<std::byte> small(size - 1);
  EXPECT_FALSE(source.ReadInfo(ModulePath(), small));
  std::vector<std::byte> large(size + 10, std::byte{0x55});
  ASSERT_TRUE(source.ReadInfo(ModulePath(), large));
  const VersionValue value = source.QueryPath(large, FileVersionPath);
  EXPECT_TRUE(value.Found);
  EXPECT_EQ(value.Text, FileVersionText);
}

TEST(BuiltInSource, RecordedLengthCountsTheTerminatingZero) {
  BuiltInVersionSource source(ModulePath(), std::string(FixedDate));
  const std::vector<std::byte> data = ReadOwnInfo(source);
  const VersionValue value = source.QueryPath(data, FileVersionPath);
  ASSERT_TRUE(value.Found);
  EXPECT_EQ(value.Text, FileVersionText);
  EXPECT_EQ(value.RecordedLength, 12U);
}

TEST(BuiltInSource, BlockPathsAndTheRootAreNotValues) {
  BuiltInVersionSource source(ModulePath(), std::string(FixedDate));
  const std::vector<std::byte> data = ReadOwnInfo(source);
  for (const char* path : {"", "\\", "\\StringFileInfo", "\\StringFileInfo\\040904E4",
                           "\\StringFileInfo\\040904E4\\", "\\VarFileInfo\\Translation"}) {
    SCOPED_TRACE(path);
    EXPECT_FALSE(source.QueryPath(data, path).Found);
  }
}

// Every prefix of the data, as a short or damaged read would leave it: a
// value is found only when its whole entry lies inside, and its text never
// reaches past the end.
TEST(BuiltInSource, CutDataYieldsOnlyWholeEntries) {
  BuiltInVersionSource source(ModulePath(), std::string(FixedDate));
  const std::vector<std::byte> data = ReadOwnInfo(source);
  const std::string image(reinterpret_cast<const char*>(data.data()), data.size());
  const std::size_t entryEnd = image.find(std::string(FileVersionText) + '\0');
  ASSERT_NE(entryEnd, std::string::npos);
  const std::size_t wholeEntry = entryEnd + FileVersionText.size() + 1;
  for (std::size_t n = 0; n <= data.size(); ++n) {
    SCOPED_TRACE(::testing::Message() << n << " bytes");
    const std::span<const std::byte> cut(data.data(), n);
    const VersionValue value = source.QueryPath(cut, FileVersionPath);
    EXPECT_EQ(value.Found, n >= wholeEntry);
    if (value.Found) {
      const auto* begin = reinterpret_cast<const std::byte*>(value.Text.data());
      EXPECT_GE(begin, cut.data());
      EXPECT_LE(begin + value.Text.size(), cut.data() + cut.size());
    }
  }
}

TEST(BuiltInSource, DataWithoutEntriesHoldsNothing) {
  BuiltInVersionSource source(ModulePath(), std::string(FixedDate));
  const std::string junk[] = {std::string(),        std::string(1, '\0'),
                              std::string(7, '\0'), std::string(300, 'x'),
                              FileVersionPath,      FileVersionPath + '\0' + "3.1.98.0030"};
  for (const std::string& bytes : junk) {
    SCOPED_TRACE(::testing::Message() << bytes.size() << " bytes");
    const std::span<const std::byte> data(reinterpret_cast<const std::byte*>(bytes.data()),
                                          bytes.size());
    EXPECT_FALSE(source.QueryPath(data, FileVersionPath).Found);
    EXPECT_FALSE(source.QueryPath(data, "").Found);
  }
}

} // namespace
} // namespace version::test
