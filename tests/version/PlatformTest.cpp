// The program's own module path, its build date, and the source the program
// uses by default: the built-in table on Linux, the modules' own version
// resources on Windows.
#include "TestSupport.h"

#include "version/BuildDate.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace version::test {
namespace {

TEST(ModulePath, IsThisTestProgram) {
  const std::filesystem::path path = ModulePath();
  ASSERT_FALSE(path.empty());
  EXPECT_TRUE(path.is_absolute()) << path;
  EXPECT_EQ(path.stem(), "version_tests");
  EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
#ifndef _WIN32
  EXPECT_TRUE(std::filesystem::equivalent(path, "/proc/self/exe"));
#endif
}

// The form of __DATE__: month abbreviation, day padded with a space, year.
TEST(BuildDate, HasTheFormOfDateMacro) {
  const std::string date(BuildDateText());
  ASSERT_EQ(date.size(), 11U) << '"' << date << '"';
  EXPECT_TRUE(std::regex_match(date, std::regex("(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
                                                "( [1-9]|[12][0-9]|3[01]) [0-9]{4}")))
      << '"' << date << '"';
}

// On Windows this test program carries the program's own version resource.
TEST(PlatformSource, AnswersForThisProgramWithItsBuildDate) {
  CVersionInfo info(ModulePath(), std::string(AboutBlock));
  ASSERT_TRUE(info.HasVersionData());
  std::string out;
  EXPECT_EQ(info.ExpandTemplate("%FileVersion% ~C", out, 256), 23);
  EXPECT_EQ(out, std::string(FileVersionText) + " " + std::string(BuildDateText()));
  EXPECT_EQ(PlatformVersionSource().BuildDate(), BuildDateText());
  // Every value of the table, whole, with its length counting the zero.
  for (const data::StringValue& value : data::Strings) {
    SCOPED_TRACE(std::string(value.Key));
    std::int32_t room = 256;
    EXPECT_TRUE(info.QueryValue(value.Key, out, room));
    EXPECT_EQ(out, value.Text);
    EXPECT_EQ(room, 256 - static_cast<std::int32_t>(value.Text.size() + 1));
  }
  // Keys and the block name are matched without regard to case.
  CVersionInfo lower(ModulePath(), "\\stringfileinfo\\040904e4\\");
  EXPECT_EQ(lower.ExpandTemplate("%fileversion%", out, 256), 11);
  EXPECT_EQ(out, FileVersionText);
}

TEST(PlatformSource, OtherFilesHaveNoVersionData) {
  for (const char* path : {"/bin/sh", "/nonexistent/Tamsik.exe", ""}) {
    SCOPED_TRACE(path);
    CVersionInfo info(path, std::string(AboutBlock));
    EXPECT_FALSE(info.HasVersionData());
    std::string out;
    EXPECT_EQ(info.ExpandTemplate("About %FileDescription%", out, 256), 0);
    EXPECT_EQ(out, "About %FileDescription%");
  }
}

#ifdef _WIN32
// Another module's resource is that module's own; a module without one
// leaves the templates as they stand.
TEST(PlatformSource, ReadsEachModulesOwnResource) {
  const std::filesystem::path folder = ModulePath().parent_path();
  CVersionInfo probe(folder / QUILLFEN_PROBE_MODULE, std::string(AboutBlock));
  ASSERT_TRUE(probe.HasVersionData());
  std::string out;
  EXPECT_EQ(
      probe.ExpandTemplate("%FileDescription% %FileVersion% %ProbeOnly% %ProductName%", out, 256),
      43);
  EXPECT_EQ(out, "Version probe 9.8.7.6543 here %ProductName%");

  CVersionInfo bare(folder / QUILLFEN_BARE_MODULE, std::string(AboutBlock));
  EXPECT_FALSE(bare.HasVersionData());
  EXPECT_EQ(bare.ExpandTemplate("About %FileDescription%", out, 256), 0);
  EXPECT_EQ(out, "About %FileDescription%");
}
#endif

} // namespace
} // namespace version::test
