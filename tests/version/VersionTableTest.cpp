// The program's version information as generated from res/version: the
// fixed part, the string block and the About values, their shape and their
// agreement with each other and with the Windows resource script.
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

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string> parts;
  for (;;) {
    const std::size_t at = text.find(separator);
    parts.emplace_back(text.substr(0, at));
    if (at == std::string_view::npos)
      return parts;
    text.remove_prefix(at + separator.size());
  }
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

std::string_view Without(std::string_view prefix, std::string_view text) {
  return text.substr(text.starts_with(prefix) ? prefix.size() : 0);
}

// The fixed numbers are the project's version, for the file and the product.
TEST(VersionTable, FixedVersionIsTheProjectVersion) {
  const auto& v = data::Fixed.FileVersion;
  std::ostringstream numbers;
  numbers << v[0] << '.' << v[1] << '.' << v[2] << '.' << v[3];
  EXPECT_EQ(numbers.str(), QUILLFEN_PROJECT_VERSION);
  EXPECT_EQ(data::Fixed.ProductVersion, data::Fixed.FileVersion);
}

// The flags say what the string block holds; the file is a 32-bit Windows
// application (the About box says "Built for Windows 95").
TEST(VersionTable, FixedFlagsAgreeWithTheStringBlock) {
  constexpr std::uint32_t AllFlags = 0x3F;         // VS_FFI_FILEFLAGSMASK
  constexpr std::uint32_t PrivateBuildFlag = 0x08; // VS_FF_PRIVATEBUILD
  constexpr std::uint32_t SpecialBuildFlag = 0x20; // VS_FF_SPECIALBUILD
  EXPECT_EQ(data::Fixed.FlagsMask, AllFlags);
  EXPECT_EQ(data::Fixed.Flags & ~AllFlags, 0U);
  EXPECT_EQ((data::Fixed.Flags & PrivateBuildFlag) != 0, !TableValue("PrivateBuild").empty());
  EXPECT_EQ((data::Fixed.Flags & SpecialBuildFlag) != 0, !TableValue("SpecialBuild").empty());
  EXPECT_EQ(data::Fixed.FileOs, 0x4U);    // VOS__WINDOWS32
  EXPECT_EQ(data::Fixed.FileType, 0x1U);  // VFT_APP
  EXPECT_EQ(data::Fixed.FileSubtype, 0U); // none for an application
}

// The block is named after the one translation, U.S. English, and is the
// block the About dialog asks for (names are compared ignoring case).
TEST(VersionTable, BlockNameIsTheTranslation) {
  EXPECT_EQ(data::Language, 0x0409);
  char name[16];
  std::snprintf(name, sizeof name, "%04x%04x", unsigned{data::Language}, unsigned{data::CodePage});
  EXPECT_EQ(data::BlockName, name);
  const std::string block = "\\StringFileInfo\\" + std::string(data::BlockName) + "\\";
  EXPECT_TRUE(std::ranges::equal(AboutBlock, block, [](unsigned char a, unsigned char b) {
    return std::tolower(a) == std::tolower(b);
  })) << AboutBlock;
}

// Each key is a standard name, once; the names Windows requires and those
// the About dialog expands are all there.
TEST(VersionTable, KeysAreStandardNamesWithTheRequiredOnes) {
  const std::set<std::string_view> standard = {
      "Comments",     "CompanyName",    "FileDescription", "FileVersion",
      "InternalName", "LegalCopyright", "LegalTrademarks", "OriginalFilename",
      "PrivateBuild", "ProductName",    "ProductVersion",  "SpecialBuild"};
  std::set<std::string_view> keys;
  for (const data::StringValue& value : data::Strings) {
    EXPECT_TRUE(standard.contains(value.Key)) << value.Key;
    EXPECT_TRUE(keys.insert(value.Key).second) << value.Key << " twice";
  }
  for (const char* key :
       {"CompanyName", "FileDescription", "FileVersion", "InternalName", "OriginalFilename",
        "ProductName", "ProductVersion", "LegalCopyright", "SpecialBuild"})
    EXPECT_TRUE(keys.contains(key)) << key;
}

TEST(VersionTable, NamesAndVersionsAgree) {
  EXPECT_EQ(TableValue("FileDescription"), data::ProductName);
  EXPECT_EQ(TableValue("ProductName"), data::ProductName);
  EXPECT_FALSE(TableValue("InternalName").empty());
  EXPECT_EQ(TableValue("OriginalFilename"), std::string(TableValue("InternalName")) + ".exe");
  EXPECT_EQ(TableValue("FileVersion"), data::VersionText);
  EXPECT_EQ(TableValue("ProductVersion"), data::VersionText);
}

// The string form is the fixed version with the last number in four digits.
TEST(VersionTable, VersionTextAgreesWithFixedPart) {
  EXPECT_TRUE(std::regex_match(std::string(data::VersionText),
                               std::regex(R"([0-9]+\.[0-9]+\.[0-9]+\.[0-9]{4})")))
      << data::VersionText;
  const auto& v = data::Fixed.FileVersion;
  char text[32];
  std::snprintf(text, sizeof text, "%u.%u.%u.%04u", unsigned{v[0]}, unsigned{v[1]}, unsigned{v[2]},
                unsigned{v[3]});
  EXPECT_EQ(TableValue("FileVersion"), text);
}

// Each value fits a room of 256 with its zero, and is printable text whose
// only control characters are the CR LF between lines.
TEST(VersionTable, ValuesArePrintableLinesUnder255) {
  for (const data::StringValue& value : data::Strings) {
    SCOPED_TRACE(std::string(value.Key));
    EXPECT_LT(value.Text.size(), 255U);
    EXPECT_FALSE(value.Text.empty());
    for (const std::string& line : Split(value.Text, "\r\n")) {
      for (const char c : line)
        EXPECT_TRUE(c >= ' ' && c <= '~') << "character " << int{c} << " in \"" << line << '"';
      EXPECT_FALSE(line.empty());
    }
  }
}

// The same for the texts the windows show outside the string block; only the
// author box has lines, separated by LF.
TEST(VersionTable, WindowTextsArePrintableUnder255) {
  for (const std::string_view text :
       {data::AuthorName, data::AuthorCredit, data::DistributorWebUrl, data::DistributorMailUrl,
        data::AuthorMailUrl, data::ProductName, data::MakerName, data::DistributorName,
        data::VersionText, data::DistributorLine}) {
    SCOPED_TRACE(std::string(text));
    EXPECT_FALSE(text.empty());
    EXPECT_LT(text.size(), 255U);
    for (const char c : text)
      EXPECT_TRUE((c >= ' ' && c <= '~') || (c == '\n' && text == data::AuthorCredit)) << int{c};
  }
}

TEST(VersionTable, CreditsNameTheAuthorAndTheMaker) {
  ASSERT_FALSE(data::AuthorName.empty());
  for (const char* key : {"Comments", "CompanyName"}) {
    SCOPED_TRACE(key);
    const std::string_view text = TableValue(key);
    EXPECT_EQ(Split(text, "\r\n").size(), 1U);
    EXPECT_TRUE(Contains(text, data::AuthorName));
    EXPECT_TRUE(Contains(text, data::MakerName));
  }
}

TEST(VersionTable, CopyrightIsTwoLines) {
  const std::vector<std::string> lines = Split(TableValue("LegalCopyright"), "\r\n");
  ASSERT_EQ(lines.size(), 2U);
  EXPECT_TRUE(std::regex_search(lines[0], std::regex("^Copyright .*(19|20)[0-9][0-9]")))
      << lines[0];
  EXPECT_TRUE(lines[0].ends_with(" " + std::string(data::MakerName))) << lines[0];
  EXPECT_TRUE(Contains(lines[1], "rights reserved")) << lines[1];
}

TEST(VersionTable, DistributionNoticeIsFiveLines) {
  const std::vector<std::string> lines = Split(TableValue("SpecialBuild"), "\r\n");
  ASSERT_EQ(lines.size(), 5U);
  EXPECT_TRUE(Contains(lines[0], data::DistributorName));
  EXPECT_TRUE(Contains(lines[0], "free"));
  // A number from the range kept for fiction.
  EXPECT_TRUE(std::regex_search(lines[1], std::regex("1-800-555-01[0-9][0-9]"))) << lines[1];
  EXPECT_TRUE(Contains(lines[2], Without("mailto:", data::DistributorMailUrl))) << lines[2];
  EXPECT_EQ(lines[4], data::DistributorWebUrl);
}

TEST(VersionTable, AuthorCreditIsFiveLines) {
  const std::vector<std::string> lines = Split(data::AuthorCredit, "\n");
  ASSERT_EQ(lines.size(), 5U);
  EXPECT_TRUE(Contains(lines[0], data::AuthorName));
  EXPECT_EQ(lines[1], data::MakerName);
  EXPECT_EQ(lines[2], "");
  EXPECT_TRUE(Contains(lines[3], "mail"));
  EXPECT_EQ(lines[4], Without("mailto:", data::AuthorMailUrl));
  EXPECT_EQ(data::AuthorCredit.find('\r'), std::string_view::npos);
}

// Only reserved example addresses: nothing a user could reach by accident.
TEST(VersionTable, LinksUseReservedExampleDomains) {
  EXPECT_TRUE(std::regex_match(std::string(data::DistributorWebUrl),
                               std::regex(R"(http://[a-z0-9.-]+\.example/)")))
      << data::DistributorWebUrl;
  const std::regex mail(R"(mailto:[a-z0-9._-]+@[a-z0-9.-]+\.example)");
  EXPECT_TRUE(std::regex_match(std::string(data::DistributorMailUrl), mail))
      << data::DistributorMailUrl;
  EXPECT_TRUE(std::regex_match(std::string(data::AuthorMailUrl), mail)) << data::AuthorMailUrl;
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
  EXPECT_TRUE(Contains(script, "BLOCK \"" + std::string(data::BlockName) + "\""));

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

TEST(WindowsResource, FixedPartMatchesTable) {
  const std::string script = ReadFile(QUILLFEN_VERSION_RC);
  const auto& v = data::Fixed.FileVersion;
  std::ostringstream numbers;
  numbers << v[0] << ',' << v[1] << ',' << v[2] << ',' << v[3];
  std::smatch match;
  for (const char* statement : {"FILEVERSION", "PRODUCTVERSION"}) {
    SCOPED_TRACE(statement);
    ASSERT_TRUE(std::regex_search(script, match,
                                  std::regex(std::string("\\n") + statement + " ([0-9,]+)\\n")));
    EXPECT_EQ(match[1].str(), numbers.str());
  }
  const std::pair<const char*, std::uint32_t> flags[] = {{"FILEFLAGSMASK", data::Fixed.FlagsMask},
                                                         {"FILEFLAGS", data::Fixed.Flags},
                                                         {"FILEOS", data::Fixed.FileOs},
                                                         {"FILETYPE", data::Fixed.FileType},
                                                         {"FILESUBTYPE", data::Fixed.FileSubtype}};
  for (const auto& [statement, expected] : flags) {
    SCOPED_TRACE(statement);
    ASSERT_TRUE(std::regex_search(
        script, match, std::regex(std::string("\\n") + statement + " (0x[0-9A-Fa-f]+)\\n")));
    EXPECT_EQ(std::stoul(match[1].str(), nullptr, 16), expected);
  }
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
