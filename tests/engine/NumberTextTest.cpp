// Printing and parsing the form's numbers, without widgets.
#include "engine/NumberText.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using engine::ParseNumber;
using engine::PrintNumber;

constexpr double Inf = std::numeric_limits<double>::infinity();

struct ParseCase {
  const char* text;
  bool accepted;
  double value; // when accepted
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class Parse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(Parse, ReadsExactlyOneDecimalNumber) {
  const ParseCase& c = GetParam();
  const std::optional<double> got = ParseNumber(c.text);
  ASSERT_EQ(got.has_value(), c.accepted) << (got ? *got : 0.0);
  if (!c.accepted)
    return;
  if (std::isinf(c.value)) {
    EXPECT_EQ(*got, c.value);
  } else {
    EXPECT_DOUBLE_EQ(*got, c.value);
  }
  // Zero keeps its sign bit off: only texts starting with the digit 0 give it.
  if (c.value == 0.0) {
    EXPECT_FALSE(std::signbit(*got));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, Parse,
    ::testing::Values(
        ParseCase{"12", true, 12}, ParseCase{" 12", true, 12}, ParseCase{"12 ", true, 12},
        ParseCase{" \t 12\t ", true, 12}, ParseCase{"\t-3.5\t", true, -3.5},
        ParseCase{"+7", true, 7}, ParseCase{"12.", true, 12}, ParseCase{".5", true, 0.5},
        ParseCase{"-.5", true, -0.5}, ParseCase{"1e3", true, 1000}, ParseCase{"1E+3", true, 1000},
        ParseCase{"2.5e-2", true, 0.025}, ParseCase{"00012", true, 12},
        ParseCase{"99.9999", true, 99.9999}, ParseCase{"1000000", true, 1e6},
        ParseCase{"0", true, 0}, ParseCase{"0.0", true, 0}, ParseCase{" 0 ", true, 0},
        ParseCase{"0e5", true, 0}, ParseCase{"000", true, 0}, ParseCase{"0.000e-999", true, 0},
        ParseCase{"1.7976931348623157e308", true, std::numeric_limits<double>::max()},
        // Too large for a double: strtod's infinity, which then
        // fails every range.
        ParseCase{"1e400", true, Inf}, ParseCase{"-1e400", true, -Inf},
        ParseCase{"1.8e308", true, Inf}, ParseCase{"0.000001e999999999999", true, Inf},
        ParseCase{"1e99999999999999999999", true, Inf}));

INSTANTIATE_TEST_SUITE_P(
    NotANumber, Parse,
    ::testing::Values(
        ParseCase{"", false, 0}, ParseCase{" ", false, 0}, ParseCase{"\t\t", false, 0},
        ParseCase{"12abc", false, 0}, ParseCase{"12 abc", false, 0}, ParseCase{"1 2", false, 0},
        ParseCase{"abc12", false, 0}, ParseCase{"0x10", false, 0}, ParseCase{"0x1p3", false, 0},
        ParseCase{"inf", false, 0}, ParseCase{"-inf", false, 0}, ParseCase{"infinity", false, 0},
        ParseCase{"INF", false, 0}, ParseCase{"nan", false, 0}, ParseCase{"NaN", false, 0},
        ParseCase{"undefined", false, 0}, ParseCase{".", false, 0}, ParseCase{"-", false, 0},
        ParseCase{"+", false, 0}, ParseCase{"e5", false, 0}, ParseCase{"1e", false, 0},
        ParseCase{"1e+", false, 0}, ParseCase{"1.2.3", false, 0}, ParseCase{"1,5", false, 0},
        ParseCase{"--1", false, 0}, ParseCase{"12\n", false, 0},
        // Zero only when the first non-blank character is the
        // digit 0.
        ParseCase{".0", false, 0}, ParseCase{"-0", false, 0}, ParseCase{"+0", false, 0},
        ParseCase{"-0.0", false, 0}, ParseCase{" .0", false, 0},
        // Too small for a double reads as zero, and it does not
        // start with 0.
        ParseCase{"1e-400", false, 0}, ParseCase{"2e-324", false, 0}));

TEST(ParseNumber, SubnormalsAreNumbers) {
  // strtod gives these a value of their own, not zero.
  const std::optional<double> smallest = ParseNumber("5e-324");
  ASSERT_TRUE(smallest.has_value());
  EXPECT_EQ(*smallest, std::numeric_limits<double>::denorm_min());
  const std::optional<double> small = ParseNumber("4e-320");
  ASSERT_TRUE(small.has_value());
  EXPECT_GT(*small, 0.0);
  EXPECT_LT(*small, std::numeric_limits<double>::min());
}

struct PrintCase {
  double value;
  const char* text;
};

void PrintTo(const PrintCase& c, std::ostream* os) { *os << c.text; }

class Print : public ::testing::TestWithParam<PrintCase> {};

TEST_P(Print, FifteenSignificantDigits) {
  EXPECT_EQ(PrintNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Print,
    ::testing::Values(
        PrintCase{100.0, "100"}, PrintCase{3.0, "3"}, PrintCase{0.0, "0"},
        PrintCase{1.0 / 3.0, "0.333333333333333"}, PrintCase{2.0 / 3.0, "0.666666666666667"},
        PrintCase{1e15, "1e+15"}, PrintCase{1e14, "100000000000000"},
        PrintCase{123456789012345.0, "123456789012345"},
        PrintCase{1234567890123456.0, "1.23456789012346e+15"}, PrintCase{1e6, "1000000"},
        PrintCase{1e11, "100000000000"}, PrintCase{99.9999, "99.9999"}, PrintCase{0.0001, "0.0001"},
        PrintCase{0.00001, "1e-05"}, PrintCase{-2.5, "-2.5"}, PrintCase{3.6, "3.6"},
        PrintCase{116.4, "116.4"}, PrintCase{100 * 0.3047999902464003, "30.47999902464"},
        PrintCase{1e100, "1e+100"},
        PrintCase{std::numeric_limits<double>::max(), "1.79769313486232e+308"},
        PrintCase{std::numeric_limits<double>::denorm_min(), "4.94065645841247e-324"},
        PrintCase{Inf, "inf"}, PrintCase{-Inf, "-inf"},
        PrintCase{std::numeric_limits<double>::quiet_NaN(), "undefined"},
        PrintCase{-std::numeric_limits<double>::quiet_NaN(), "undefined"}));

// Bit patterns spread over the whole range of finite doubles.
std::vector<double> SampleDoubles() {
  std::mt19937_64 bits(20240611);
  std::vector<double> values;
  while (values.size() < 20000) {
    const std::uint64_t pattern = bits();
    double value = 0;
    std::memcpy(&value, &pattern, sizeof value);
    if (std::isfinite(value))
      values.push_back(value);
  }
  // Ordinary form values too, which the bit patterns rarely hit.
  for (int i = -2000; i <= 2000; ++i)
    values.push_back(i / 8.0 + i * 1e-7);
  return values;
}

TEST(PrintNumber, MatchesPrintfG15) {
  for (const double value : SampleDoubles()) {
    std::array<char, 64> expected{};
    std::snprintf(expected.data(), expected.size(), "%.15g", value);
    ASSERT_EQ(PrintNumber(value), expected.data()) << value;
  }
}

TEST(PrintNumber, ReadsBackToFifteenDigits) {
  for (const double value : SampleDoubles()) {
    const std::string text = PrintNumber(value);
    const std::optional<double> back = ParseNumber(text);
    if (value == 0.0 || text == "-0") {
      // "-0" is a text that is not a number; "0" reads as zero.
      EXPECT_EQ(back.has_value(), text == "0") << text;
      continue;
    }
    ASSERT_TRUE(back.has_value()) << text;
    ASSERT_EQ(*back, std::strtod(text.c_str(), nullptr)) << text;
    ASSERT_LE(std::fabs(*back - value), std::fabs(value) * 1e-14) << text;
  }
}

TEST(PrintNumber, NonFiniteTextsAreNotNumbers) {
  for (const double value : {Inf, -Inf, std::numeric_limits<double>::quiet_NaN()}) {
    const std::string text = PrintNumber(value);
    EXPECT_FALSE(ParseNumber(text).has_value()) << text;
  }
}

} // namespace
