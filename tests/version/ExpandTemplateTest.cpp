// ExpandTemplate against the program's own version information, the build
// date pinned to "Oct 15 1998".
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace version::test {
namespace {

using namespace std::string_literals;

const std::string Date(FixedDate);
const std::string FV(FileVersionText);

struct Row {
  const char* Name;
  std::string Template;
  std::int32_t Room;
  std::string Expected;
};

void PrintTo(const Row& row, std::ostream* os) { *os << row.Name; }

class ExpandWithVersionData : public ::testing::TestWithParam<Row> {
protected:
  BuiltInInfo Info;
};

TEST_P(ExpandWithVersionData, WritesExpectedTextAndReturnsItsLength) {
  const Row& row = GetParam();
  std::string out = "left over from before";
  const std::int32_t length = Info.Held.ExpandTemplate(row.Template, out, row.Room);
  EXPECT_EQ(out, row.Expected);
  EXPECT_EQ(length, static_cast<std::int32_t>(row.Expected.size()));
}

const std::string Control1036 =
    "%InternalName% - %FileDescription% Version %FileVersion%\nBuilt for Windows 95 on ~C.";
const std::string LongKey(300, 'K');

// Templates and rooms whose results follow from the piece rules by hand.
INSTANTIATE_TEST_SUITE_P(
    Pieces, ExpandWithVersionData,
    ::testing::Values(
        Row{"DoublePercent", "%%", 256, "%"},
        Row{"DoublePercentInText", "100%% sure", 256, "100% sure"},
        Row{"DoublePercentBesidePlaceholder", "%%FileVersion%%", 256, "%FileVersion%"},
        Row{"FileVersion", "%FileVersion%", 256, FV},
        Row{"AboutCaption", "About %FileDescription%", 256, "About Quillfen"},
        Row{"VersionStatic", Control1036, 256,
            "Tamsik - Quillfen Version 3.1.98.0030\nBuilt for Windows 95 on Oct 15 1998."},
        Row{"AdjacentPlaceholders", "%FileVersion%%FileDescription%", 256, FV + "Quillfen"},
        Row{"UnknownKeyCopiedBack", "%NoSuchKey%", 256, "%NoSuchKey%"},
        Row{"UnknownKeyInText", "a%NoSuchKey%b", 256, "a%NoSuchKey%b"},
        Row{"KeyWithSpaceIsAnotherKey", "%File Version%", 256, "%File Version%"},
        Row{"KeyLowerCase", "%fileversion%", 256, FV},
        Row{"KeyUpperCase", "%FILEVERSION%", 256, FV},
        Row{"KeyMixedCase", "%fILEvERSION%", 256, FV}, Row{"DateUpper", "~C", 256, Date},
        Row{"DateLower", "~c", 256, Date}, Row{"DateInText", "on ~C.", 256, "on " + Date + "."},
        Row{"TildeTilde", "~~", 256, "~~"}, Row{"TildeTildeThenC", "~~C", 256, "~~C"},
        Row{"TildeLetter", "~x", 256, "~x"}, Row{"TildeLineFeed", "~\n", 256, "~\n"},
        Row{"TildePercentOpensNoPlaceholder", "~%FileVersion~%", 256, "~%FileVersion~%"},
        Row{"TildeAtEnd", "Version ~", 256, "Version ~"},
        Row{"UnclosedFoundKeyEndsExpansion", "v%FileVersion", 256, "v" + FV},
        Row{"UnclosedUnknownKeyGetsClosingSign", "x%NoSuch", 256, "x%NoSuch%"},
        Row{"UnclosedKeyTakesRestOfTemplate", "%FileVersion~C", 256, "%FileVersion~C%"},
        // A lone percent sign at the end opens a placeholder with an empty
        // key, which names no value and is copied back like any other.
        Row{"LonePercentAtEnd", "50%", 256, "50%%"},
        Row{"DoubleThenLonePercent", "%%%", 256, "%%%"},
        Row{"LineBreaksAreOrdinary", "a\r\nb\n", 256, "a\r\nb\n"}, Row{"Empty", "", 256, ""},
        Row{"EndsAtNul", "ab\0%FileVersion%"s, 256, "ab"},
        Row{"LongTemplateCut", std::string(200, 'a'), 128, std::string(127, 'a')},
        Row{"ValueOfTwelveInRoomTwelve", "%FileVersion%", 12, ""},
        Row{"DateInRoomTwelve", "~C", 12, Date},
        Row{"TwoDatesInRoomTwentyThree", "~C~C", 23, Date + Date},
        Row{"TwoDatesInRoomTwentyTwo", "~C~C", 22, Date},
        Row{"ValueUsesUpRoom", "%FileVersion%x", 13, FV},
        Row{"ValueThenCharacter", "%FileVersion%x", 14, FV + "x"},
        Row{"CharacterLeavesTooLittleForValue", "x%FileVersion%", 13, "x"},
        Row{"CharacterThenValue", "x%FileVersion%", 14, "x" + FV},
        Row{"SkippedValueScanGoesOn", "%SpecialBuild%ok", 20, "ok"},
        Row{"SkippedDateScanGoesOn", "~Cok", 5, "ok"},
        Row{"SkippedCopyBackScanGoesOn", "%NoSuchKey%ok", 11, "ok"},
        Row{"CopyBackFitsRoomTwelve", "%NoSuchKey%ok", 12, "%NoSuchKey%"},
        Row{"SkippedTildePairScanGoesOn", "~xok", 2, "o"},
        Row{"TildePairUsesUpRoom", "~xok", 3, "~x"}, Row{"TildeAtEndRoomThree", "~", 3, "~"},
        Row{"TildeAtEndRoomTwo", "a~", 3, "a"},
        Row{"LongUnknownKeyTooLong", "%" + LongKey + "%", 302, ""},
        Row{"LongUnknownKeyFits", "%" + LongKey + "%", 303, "%" + LongKey + "%"},
        Row{"LongUnclosedKeyFits", "%" + LongKey, 303, "%" + LongKey + "%"},
        // Each value costs 12: 21 fit in 256 and leave 4, too little for more.
        Row{"ManyValues",
            [] {
              std::string t;
              for (int i = 0; i < 30; ++i)
                t += "%FileVersion%";
              return t;
            }(),
            256,
            [] {
              std::string t;
              for (int i = 0; i < 21; ++i)
                t += FV;
              return t;
            }()},
        Row{"HugeRoom", Control1036, RoomMax,
            "Tamsik - Quillfen Version 3.1.98.0030\nBuilt for Windows 95 on Oct 15 1998."},
        Row{"NegativeRoom", "%FileVersion% ~C", -1, ""},
        Row{"MostNegativeRoom", "%FileVersion% ~C", RoomMin, ""}),
    [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.Name); });

// Every kind of piece alone, at the rooms where the rules change their mind.
struct PieceRow {
  const char* Template;
  // Results at the rooms of PieceRooms, in that order.
  std::array<std::string, 8> Expected;
};

constexpr std::array<std::int32_t, 8> PieceRooms = {RoomMin, -1, 0, 1, 2, 12, 13, RoomMax};

const std::vector<PieceRow> PieceRows = {
    {"%%", {"", "", "", "", "%", "%", "%", "%"}},
    {"%FileVersion%", {"", "", "", "", "", "", FV, FV}},
    {"%NoSuch%", {"", "", "", "", "", "%NoSuch%", "%NoSuch%", "%NoSuch%"}},
    {"%FileVersion", {"", "", "", "", "", "", FV, FV}},
    {"%NoSuch", {"", "", "", "", "", "%NoSuch%", "%NoSuch%", "%NoSuch%"}},
    {"~C", {"", "", "", "", "", Date, Date, Date}},
    {"~c", {"", "", "", "", "", Date, Date, Date}},
    {"~x", {"", "", "", "", "", "~x", "~x", "~x"}},
    {"~", {"", "", "", "", "", "~", "~", "~"}},
    {"a", {"", "", "", "", "a", "a", "a", "a"}},
};

TEST(ExpandPieceAtRoom, WithVersionData) {
  BuiltInInfo info;
  for (const PieceRow& row : PieceRows) {
    for (std::size_t i = 0; i < PieceRooms.size(); ++i) {
      SCOPED_TRACE(::testing::Message() << row.Template << " in room " << PieceRooms[i]);
      std::string out = "stale";
      const std::int32_t length = info.Held.ExpandTemplate(row.Template, out, PieceRooms[i]);
      EXPECT_EQ(out, row.Expected[i]);
      EXPECT_EQ(length, static_cast<std::int32_t>(row.Expected[i].size()));
    }
  }
}

// Without version data a template is copied whole when it is shorter than
// the room, and the result is 0 either way.
TEST(ExpandPieceAtRoom, WithoutVersionData) {
  BuiltInInfo info;
  for (const PieceRow& row : PieceRows) {
    const std::string templ = row.Template;
    for (const std::int32_t room : PieceRooms) {
      SCOPED_TRACE(::testing::Message() << templ << " in room " << room);
      std::string out = "stale";
      EXPECT_EQ(info.Without.ExpandTemplate(templ, out, room), 0);
      const bool fits = room > 0 && templ.size() < static_cast<std::size_t>(room);
      EXPECT_EQ(out, fits ? templ : "");
    }
  }
}

TEST(ExpandWithoutVersionData, CopiesTemplateUnexpandedAndReturnsZero) {
  BuiltInInfo info;
  ASSERT_FALSE(info.Without.HasVersionData());
  const std::string templ = "About %FileDescription%";
  std::string out;
  EXPECT_EQ(info.Without.ExpandTemplate(templ, out, 256), 0);
  EXPECT_EQ(out, templ);
  EXPECT_EQ(info.Without.ExpandTemplate(Control1036, out, 256), 0);
  EXPECT_EQ(out, Control1036);
}

TEST(ExpandWithoutVersionData, RoomEqualToLengthLeavesOutputEmpty) {
  BuiltInInfo info;
  const std::string templ = "About %FileDescription%";
  const auto length = static_cast<std::int32_t>(templ.size());
  std::string out = "stale";
  EXPECT_EQ(info.Without.ExpandTemplate(templ, out, length), 0);
  EXPECT_EQ(out, "");
  EXPECT_EQ(info.Without.ExpandTemplate(templ, out, length + 1), 0);
  EXPECT_EQ(out, templ);
}

TEST(ExpandWithoutVersionData, TemplateEndsAtNul) {
  BuiltInInfo info;
  std::string out;
  EXPECT_EQ(info.Without.ExpandTemplate("ab\0cd"s, out, 256), 0);
  EXPECT_EQ(out, "ab");
}

// The About dialog expands each value alone into a room of 256; every one
// of them must come out whole.
TEST(ExpandWithVersionData, EveryValueFitsTheAboutRoom) {
  BuiltInInfo info;
  for (const data::StringValue& value : data::Strings) {
    SCOPED_TRACE(std::string(value.Key));
    // Built by appending: GCC 12 warns falsely (-Wrestrict) about
    // "%" + std::string + "%" at -O3.
    std::string templ = "%";
    templ += value.Key;
    templ += '%';
    std::string out;
    const std::int32_t length = info.Held.ExpandTemplate(templ, out, 256);
    EXPECT_EQ(out, value.Text);
    EXPECT_EQ(length, static_cast<std::int32_t>(value.Text.size()));
  }
}

// The output never holds more than room - 1 characters, whatever the room.
TEST(ExpandWithVersionData, NeverExceedsRoom) {
  BuiltInInfo info;
  const std::string templ = "%SpecialBuild% ~C %%~x %NoSuchKey% " + Control1036 + " %Comments";
  for (std::int32_t room = -2; room <= 400; ++room) {
    SCOPED_TRACE(::testing::Message() << "room " << room);
    std::string out;
    const std::int32_t length = info.Held.ExpandTemplate(templ, out, room);
    EXPECT_EQ(length, static_cast<std::int32_t>(out.size()));
    EXPECT_LE(static_cast<std::int64_t>(out.size()), std::max<std::int64_t>(room - 1, 0));
  }
}

} // namespace
} // namespace version::test
