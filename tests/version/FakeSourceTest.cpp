// CVersionInfo over a fake source: what it asks the platform, what it keeps,
// and how it copes with answers the built-in table never gives.
#include "FakeVersionSource.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace version::test {
namespace {

const std::string Block(AboutBlock);
const std::string FileVersionPath = Block + "FileVersion";

FakeVersionSource SourceWithFileVersion() {
  FakeVersionSource source;
  source.Values[FileVersionPath] = {"3.1.98.0030", 12};
  return source;
}

TEST(LoadVersionInfo, SizeZeroMeansNoVersionDataAndNoRead) {
  FakeVersionSource source = SourceWithFileVersion();
  source.Size = 0;
  CVersionInfo info("Tamsik", Block, source);
  EXPECT_FALSE(info.HasVersionData());
  EXPECT_EQ(source.Reads, 0);
  std::string out;
  EXPECT_EQ(info.ExpandTemplate("v%FileVersion%", out, 256), 0);
  EXPECT_EQ(out, "v%FileVersion%");
}

// Data from a failed read would be garbage; the templates show unexpanded.
TEST(LoadVersionInfo, FailedReadMeansNoVersionData) {
  FakeVersionSource source = SourceWithFileVersion();
  source.ReadSucceeds = false;
  CVersionInfo info("Tamsik", Block, source);
  EXPECT_EQ(source.Reads, 1);
  EXPECT_FALSE(info.HasVersionData());
  std::string out;
  EXPECT_EQ(info.ExpandTemplate("v%FileVersion%", out, 256), 0);
  EXPECT_EQ(out, "v%FileVersion%");
  std::int32_t room = 256;
  EXPECT_FALSE(info.QueryValue("FileVersion", out, room));
  EXPECT_TRUE(source.QueriedPaths.empty());
}

TEST(LoadVersionInfo, LookupsSeeTheBytesTheReadDelivered) {
  FakeVersionSource source = SourceWithFileVersion();
  source.Size = 1000;
  CVersionInfo info("Tamsik", Block, source);
  ASSERT_TRUE(info.HasVersionData());
  std::string out;
  info.ExpandTemplate("%FileVersion% %Comments%", out, 256);
  std::int32_t room = 256;
  info.QueryValue("FileVersion", out, room);
  EXPECT_EQ(source.QueriedPaths.size(), 3U);
  EXPECT_TRUE(source.DataIntact);
}

TEST(LoadVersionInfo, LoadingAgainReplacesWhatWasHeld) {
  BuiltInVersionSource source(ModulePath(), std::string(FixedDate));
  CVersionInfo info(ModulePath(), Block, source);
  ASSERT_TRUE(info.HasVersionData());

  info.LoadVersionInfo("/nonexistent/Tamsik", "\\Other\\");
  EXPECT_FALSE(info.HasVersionData());
  EXPECT_EQ(info.FileName(), "/nonexistent/Tamsik");
  EXPECT_EQ(info.BlockPath(), "\\Other\\");
  std::string out;
  EXPECT_EQ(info.ExpandTemplate("%FileVersion%", out, 256), 0);
  EXPECT_EQ(out, "%FileVersion%");

  info.LoadVersionInfo(ModulePath(), Block);
  EXPECT_TRUE(info.HasVersionData());
  EXPECT_EQ(info.ExpandTemplate("%FileVersion%", out, 256), 11);
  EXPECT_EQ(out, FileVersionText);
}

TEST(Lookup, PathIsBlockPathFollowedByKeyAsWritten) {
  FakeVersionSource source;
  CVersionInfo info("Tamsik", Block, source);
  std::string out;
  info.ExpandTemplate("%FileVersion%%fileVERSION%%%%NoSuch", out, 256);
  std::int32_t room = 256;
  info.QueryValue("Comments", out, room);
  const std::vector<std::string> expected = {Block + "FileVersion", Block + "fileVERSION",
                                             Block + "NoSuch", Block + "Comments"};
  EXPECT_EQ(source.QueriedPaths, expected);
}

TEST(Lookup, DateComesFromTheSource) {
  FakeVersionSource source;
  source.Date = "Jan  1 2000";
  CVersionInfo info("Tamsik", Block, source);
  std::string out;
  EXPECT_EQ(info.ExpandTemplate("on ~C, ~c", out, 256), 27);
  EXPECT_EQ(out, "on Jan  1 2000, Jan  1 2000");
}

// The room is lowered by the recorded length, whatever the text. A length
// that understates the text must not let more text through than the room
// paid for.
struct LengthRow {
  const char* Name;
  std::string Text;
  std::uint32_t Recorded;
  std::int32_t Room;
  std::string Written; // after "%K%x"
  std::int32_t QueryRoomAfter;
};

TEST(Lookup, RecordedLengthGovernsTheRoom) {
  const std::vector<LengthRow> rows = {
      {"Consistent", "abc", 4, 256, "abcx", 252},
      {"PaddedLength", "abc", 10, 12, "abcx", 2},
      {"PaddedLengthTooLong", "abc", 10, 10, "x", 10},
      {"UnderstatedLengthCutsText", "abcdef", 3, 256, "abx", 253},
      {"UnderstatedLengthInSmallRoom", "abcdef", 3, 4, "ab", 1},
      {"ZeroLengthWritesNothing", "abc", 0, 256, "x", 256},
      {"TextEndsAtNul", std::string("ab\0cd", 5), 6, 256, "abx", 250},
      {"LengthBeyondAnyRoom", "abc", 0xFFFFFFFF, RoomMax, "x", RoomMax},
  };
  for (const LengthRow& row : rows) {
    SCOPED_TRACE(row.Name);
    FakeVersionSource source;
    source.Values[Block + "K"] = {row.Text, row.Recorded};
    CVersionInfo info("Tamsik", Block, source);

    std::string out;
    const std::int32_t length = info.ExpandTemplate("%K%x", out, row.Room);
    EXPECT_EQ(out, row.Written);
    EXPECT_EQ(length, static_cast<std::int32_t>(out.size()));
    EXPECT_LT(static_cast<std::int64_t>(out.size()), row.Room);

    std::int32_t room = row.Room;
    std::string value;
    EXPECT_TRUE(info.QueryValue("K", value, room));
    EXPECT_EQ(room, row.QueryRoomAfter);
    EXPECT_LE(static_cast<std::int64_t>(value.size()), row.Room - room);
  }
}

} // namespace
} // namespace version::test
