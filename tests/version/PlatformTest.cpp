// The program's own module path, its build date, and the source the program
// uses by default.
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
  EXPECT_EQ(path.filename(), "version_tests");
  EXPECT_TRUE(std::filesystem::equivalent(path, "/proc/self/exe"));
}

// The form of __DATE__: month abbreviation, day padded with a space, year.
TEST(BuildDate, HasTheFormOfDateMacro) {
  const std::string date(BuildDateText());
  ASSERT_EQ(date.size(), 11U) << '"' << date << '"';
  EXPECT_TRUE(std::regex_match(date, std::regex("(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
                                                "( [1-9]|[12][0-9]|3[01]) [0-9]{4}")))
      << '"' << date << '"';
}

TEST(PlatformSource, AnswersForThisProgramWithItsBuildDate) {
  CVersionInfo info(ModulePath(), std::string(AboutBlock));
  ASSERT_TRUE(info.HasVersionData());
  std::string out;
  EXPECT_EQ(info.ExpandTemplate("%FileVersion% ~C", out, 256), 23);
  EXPECT_EQ(out, std::string(FileVersionText) + " " + std::string(BuildDateText()));
  EXPECT_EQ(PlatformVersionSource().BuildDate(), BuildDateText());
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

} // namespace
} // namespace version::test
