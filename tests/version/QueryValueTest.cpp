// QueryValue against the program's own version information.
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace version::test {
namespace {

using namespace std::string_literals;

constexpr const char* Untouched = "untouched";

struct RoomRow {
  std::int32_t Room;
  bool Written;
  std::int32_t RoomAfter;
};

// "3.1.98.0030" is recorded as 12 long: it needs a room of 13 and costs 12.
TEST(QueryValue, FileVersionAtRooms) {
  BuiltInInfo info;
  const std::vector<RoomRow> rows = {
      {RoomMin, false, RoomMin},
      {-1, false, -1},
      {0, false, 0},
      {1, false, 1},
      {2, false, 2},
      {12, false, 12},
      {13, true, 1},
      {14, true, 2},
      {256, true, 244},
      {RoomMax, true, RoomMax - 12},
  };
  for (const RoomRow& row : rows) {
    SCOPED_TRACE(::testing::Message() << "room " << row.Room);
    std::string out = Untouched;
    std::int32_t room = row.Room;
    EXPECT_TRUE(info.Held.QueryValue("FileVersion", out, room));
    EXPECT_EQ(out, row.Written ? std::string(FileVersionText) : Untouched);
    EXPECT_EQ(room, row.RoomAfter);
  }
}

TEST(QueryValue, EveryKeyFoundAndCostsItsLengthPlusTheZero) {
  BuiltInInfo info;
  for (const data::StringValue& value : data::Strings) {
    SCOPED_TRACE(std::string(value.Key));
    std::string out;
    std::int32_t room = 256;
    EXPECT_TRUE(info.Held.QueryValue(value.Key, out, room));
    EXPECT_EQ(out, value.Text);
    EXPECT_EQ(room, 256 - static_cast<std::int32_t>(value.Text.size()) - 1);
  }
}

TEST(QueryValue, KeysDifferingOnlyInLetterCaseFindTheSameValue) {
  BuiltInInfo info;
  for (const char* key : {"FileVersion", "fileversion", "FILEVERSION", "fILEvERSION"}) {
    SCOPED_TRACE(key);
    std::string out;
    std::int32_t room = 256;
    EXPECT_TRUE(info.Held.QueryValue(key, out, room));
    EXPECT_EQ(out, FileVersionText);
  }
}

TEST(QueryValue, BlockNameMatchesWithoutRegardToCase) {
  BuiltInVersionSource source(ModulePath(), std::string(FixedDate));
  for (const char* block : {"\\StringFileInfo\\040904E4\\", "\\StringFileInfo\\040904e4\\",
                            "\\stringfileinfo\\040904E4\\", "\\STRINGFILEINFO\\040904e4\\"}) {
    SCOPED_TRACE(block);
    CVersionInfo held(ModulePath(), block, source);
    std::string out;
    std::int32_t room = 256;
    EXPECT_TRUE(held.QueryValue("ProductName", out, room));
    EXPECT_EQ(out, "Quillfen");
  }
}

TEST(QueryValue, OtherBlocksHoldNothing) {
  BuiltInVersionSource source(ModulePath(), std::string(FixedDate));
  for (const char* block : {"\\StringFileInfo\\040704b0\\", "\\StringFileInfo\\040904E4",
                            "\\StringFileInfo\\", "StringFileInfo\\040904E4\\", ""}) {
    SCOPED_TRACE(block);
    CVersionInfo held(ModulePath(), block, source);
    ASSERT_TRUE(held.HasVersionData());
    std::string out = Untouched;
    std::int32_t room = 256;
    EXPECT_FALSE(held.QueryValue("ProductName", out, room));
    EXPECT_EQ(out, Untouched);
    EXPECT_EQ(room, 256);
  }
}

TEST(QueryValue, KeysThatNameNoValue) {
  BuiltInInfo info;
  for (const std::string& key :
       {""s, "\\"s, "FileVersion\\"s, "\\FileVersion"s, "File Version"s, "FileVersio"s,
        "FileVersionX"s, "040904e4"s, std::string(1000, 'k')}) {
    SCOPED_TRACE(key.substr(0, 40));
    std::string out = Untouched;
    std::int32_t room = 256;
    EXPECT_FALSE(info.Held.QueryValue(key, out, room));
    EXPECT_EQ(out, Untouched);
    EXPECT_EQ(room, 256);
  }
}

TEST(QueryValue, KeyEndsAtNul) {
  BuiltInInfo info;
  std::string out;
  std::int32_t room = 256;
  EXPECT_TRUE(info.Held.QueryValue("FileVersion\0Junk"s, out, room));
  EXPECT_EQ(out, FileVersionText);
}

TEST(QueryValue, ValueTooLongForRoomIsFoundButNotWritten) {
  BuiltInInfo info;
  const std::string notice(TableValue("SpecialBuild"));
  const auto recorded = static_cast<std::int32_t>(notice.size()) + 1;
  std::string out = Untouched;
  std::int32_t room = recorded;
  EXPECT_TRUE(info.Held.QueryValue("SpecialBuild", out, room));
  EXPECT_EQ(out, Untouched);
  EXPECT_EQ(room, recorded);
  room = recorded + 1;
  EXPECT_TRUE(info.Held.QueryValue("SpecialBuild", out, room));
  EXPECT_EQ(out, notice);
  EXPECT_EQ(room, 1);
}

TEST(QueryValue, WithoutVersionDataFindsNothingAndChangesNothing) {
  BuiltInInfo info;
  for (const data::StringValue& value : data::Strings) {
    SCOPED_TRACE(std::string(value.Key));
    std::string out = Untouched;
    std::int32_t room = 256;
    EXPECT_FALSE(info.Without.QueryValue(value.Key, out, room));
    EXPECT_EQ(out, Untouched);
    EXPECT_EQ(room, 256);
  }
}

// Lookups leave no trace: the same query twice gives the same answer.
TEST(QueryValue, RepeatsGiveTheSameAnswer) {
  BuiltInInfo info;
  std::string first;
  std::string second;
  std::int32_t room = 256;
  EXPECT_TRUE(info.Held.QueryValue("InternalName", first, room));
  EXPECT_TRUE(info.Held.QueryValue("InternalName", second, room));
  EXPECT_EQ(first, "Tamsik");
  EXPECT_EQ(second, "Tamsik");
  EXPECT_EQ(room, 256 - 7 - 7);
  EXPECT_EQ(info.Held.BlockPath(), AboutBlock);
}

} // namespace
} // namespace version::test
