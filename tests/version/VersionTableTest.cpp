// The program's version information as generated from res/version: the
// fixed part, the string block and the About values, their shape and their
// agreement with each other and with the Windows resource script. What the
// configure step already rejects (a value too long for the About dialog's
// room, a character that is not printable ASCII) is not checked again here.
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace version::test {
namespace {

// The fixed numbers are the project's version, for the file and the product.
TEST(VersionTable, FixedVersionIsTheProjectVersion) {
  const auto& v = data::Fixed.FileVersion;
  std::ostringstream numbers;
  numbers << v[0] << '.' << v[1] << '.' << v[2] << '.' << v[3];
  EXPECT_EQ(numbers.str(), QUILLFEN_PROJECT_VERSION);
  EXPECT_EQ(data::Fixed.ProductVersion, data::Fixed.FileVersion);
}

// The flags say what the string block holds.
TEST(VersionTable, FixedFlagsAgreeWithTheStringBlock) {
  constexpr std::uint32_t PrivateBuildFlag = 0x08; // VS_FF_PRIVATEBUILD
  constexpr std::uint32_t SpecialBuildFlag = 0x20; // VS_FF_SPECIALBUILD
  EXPECT_EQ(data::Fixed.Flags & ~data::Fixed.FlagsMask, 0U);
  EXPECT_EQ((data::Fixed.Flags & PrivateBuildFlag) != 0, !TableValue("PrivateBuild").empty());
  EXPECT_EQ((data::Fixed.Flags & SpecialBuildFlag) != 0, !TableValue("SpecialBuild").empty());
}

// The block is named after the one translation and is the block the About
// dialog asks for (names are compared ignoring case).
TEST(VersionTable, BlockNameIsTheTranslation) {
  char name[16];
  std::snprintf(name, sizeof name, "%04x%04x", unsigned{data::Language}, unsigned{data::CodePage});
  EXPECT_EQ(data::BlockName, name);
  const std::string block = "\\StringFileInfo\\" + std::string(data::BlockName) + "\\";
  EXPECT_TRUE(std::ranges::equal(AboutBlock, block, [](unsigned char a, unsigned char b) {
    return std::tolower(a) == std::tolower(b);
  })) << AboutBlock;
}

// Each key is a standard name, once, with a value: Windows ignores any other.
TEST(VersionTable, KeysAreStandardNamesOnceEachWithAValue) {
  const std::set<std::string_view> standard = {
      "Comments",     "CompanyName",    "FileDescription", "FileVersion",
      "InternalName", "LegalCopyright", "LegalTrademarks", "OriginalFilename",
      "PrivateBuild", "ProductName",    "ProductVersion",  "SpecialBuild"};
  std::set<std::string_view> keys;
  for (const data::StringValue& value : data::Strings) {
    EXPECT_TRUE(standard.contains(value.Key)) << value.Key;
    EXPECT_TRUE(keys.insert(value.Key).second) << value.Key << " twice";
    EXPECT_FALSE(value.Text.empty()) << value.Key;
  }
  EXPECT_TRUE(keys.contains("CompanyName"));
}

TEST(VersionTable, NamesAndVersionsAgree) {
  EXPECT_EQ(TableValue("FileDescription"), data::ProductName);
  EXPECT_EQ(TableValue("ProductName"), data::ProductName);
  EXPECT_FALSE(TableValue("InternalName").empty());
  EXPECT_EQ(TableValue("OriginalFilename"), std::string(TableValue("InternalName")) + ".exe");
  // The string form writes the fourth number with four digits.
  EXPECT_EQ(data::VersionText, FileVersionText);
  EXPECT_EQ(TableValue("FileVersion"), data::VersionText);
  EXPECT_EQ(TableValue("ProductVersion"), data::VersionText);
}

// Only reserved example addresses and a number from the range kept for
// fiction: nothing a user could reach by accident.
TEST(VersionTable, LinksAndNumbersAreReservedForExamples) {
  EXPECT_TRUE(std::regex_match(std::string(data::DistributorWebUrl),
                               std::regex(R"(http://[a-z0-9.-]+\.example/)")))
      << data::DistributorWebUrl;
  const std::regex mail(R"(mailto:[a-z0-9._-]+@[a-z0-9.-]+\.example)");
  EXPECT_TRUE(std::regex_match(std::string(data::DistributorMailUrl), mail))
      << data::DistributorMailUrl;
  EXPECT_TRUE(std::regex_match(std::string(data::AuthorMailUrl), mail)) << data::AuthorMailUrl;
  for (const std::string_view text : {TableValue("SpecialBuild"), data::DistributorLine}) {
    const std::string all(text);
    std::smatch phone;
    ASSERT_TRUE(std::regex_search(all, phone, std::regex(R"(\d-\d{3}-\d{3}-\d{4})"))) << all;
    EXPECT_TRUE(std::regex_match(phone.str(), std::regex(R"(1-800-555-01\d\d)"))) << phone.str();
  }
}

// --- The Windows resource script, generated from the same source. ---

std::string ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The body of an RC string literal: "" is a quote, \\ a backslash and \ooo
// an octal character code.
std::string DecodeRcLiteral(std::string_view body) {
  std::string text;
  for (std::size_t i = 0; i < body.size(); ++i) {
    if (body[i] == '"' && i + 1 < body.size() && body[i + 1] == '"') {
      text += '"';
      ++i;
    } else if (body[i] == '\\' && i + 1 < body.size() && body[i + 1] == '\\') {
      text += '\\';
      ++i;
    } else if (body[i] == '\\' && i + 3 < body.size()) {
      text += static_cast<char>(std::stoi(std::string(body.substr(i + 1, 3)), nullptr, 8));
      i += 3;
    } else {
      text += body[i];
    }
  }
  return text;
}

TEST(WindowsResource, StringBlockMatchesTable) {
  const std::string script = ReadFile(QUILLFEN_VERSION_RC);
  ASSERT_FALSE(script.empty()) << QUILLFEN_VERSION_RC;
  EXPECT_NE(script.find("BLOCK \"" + std::string(data::BlockName) + "\""), std::string::npos);

  const std::regex value(R"re(VALUE "([A-Za-z]+)", "((?:[^"]|"")*)"\s*\n)re");
  std::vector<std::pair<std::string, std::string>> found;
  for (auto it = std::sregex_iterator(script.begin(), script.end(), value);
       it != std::sregex_iterator(); ++it)
    found.emplace_back((*it)[1].str(), DecodeRcLiteral((*it)[2].str()));
  std::vector<std::pair<std::string, std::string>> expected;
  expected.reserve(data::Strings.size());
  for (const data::StringValue& entry : data::Strings)
    expected.emplace_back(entry.Key, entry.Text);
  EXPECT_EQ(found, expected);
}

// What follows a statement at the start of a line; empty when it is missing.
std::string Statement(const std::string& script, const std::string& name) {
  std::smatch match;
  std::regex_search(script, match, std::regex("\\n" + name + " ([0-9A-Fa-fx,]+)\\n"));
  return match.size() > 1 ? match[1].str() : std::string();
}

TEST(WindowsResource, FixedPartMatchesTable) {
  const std::string script = ReadFile(QUILLFEN_VERSION_RC);
  const auto& v = data::Fixed.FileVersion;
  std::ostringstream numbers;
  numbers << v[0] << ',' << v[1] << ',' << v[2] << ',' << v[3];
  for (const char* statement : {"FILEVERSION", "PRODUCTVERSION"})
    EXPECT_EQ(Statement(script, statement), numbers.str()) << statement;
  const std::pair<const char*, std::uint32_t> flags[] = {{"FILEFLAGSMASK", data::Fixed.FlagsMask},
                                                         {"FILEFLAGS", data::Fixed.Flags},
                                                         {"FILEOS", data::Fixed.FileOs},
                                                         {"FILETYPE", data::Fixed.FileType},
                                                         {"FILESUBTYPE", data::Fixed.FileSubtype}};
  for (const auto& [statement, expected] : flags) {
    const std::string value = Statement(script, statement);
    EXPECT_TRUE(value.starts_with("0x") && std::stoul(value, nullptr, 16) == expected)
        << statement << " " << value;
  }
  std::smatch match;
  ASSERT_TRUE(std::regex_search(script, match,
                                std::regex(R"(VALUE "Translation", (0x[0-9A-Fa-f]+), ([0-9]+))")));
  EXPECT_EQ(std::stoul(match[1].str(), nullptr, 16), data::Language);
  EXPECT_EQ(std::stoul(match[2].str()), data::CodePage);
  // The resource's own language: primary and sub-language of the translation.
  ASSERT_TRUE(std::regex_search(script, match,
                                std::regex(R"(\nLANGUAGE (0x[0-9A-Fa-f]+), (0x[0-9A-Fa-f]+))")));
  EXPECT_EQ(std::stoul(match[2].str(), nullptr, 16) << 10 | std::stoul(match[1].str(), nullptr, 16),
            data::Language);
}

} // namespace
} // namespace version::test
