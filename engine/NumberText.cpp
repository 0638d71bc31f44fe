#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace engine {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view s, std::size_t i) {
  while (i < s.size() && IsDigit(s[i]))
    ++i;
  return i;
}

// Length of the longest prefix that reads as a decimal number, 0 if none.
std::size_t ScanDecimal(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-'))
    ++i;
  const std::size_t intStart = i;
  i = SkipDigits(s, i);
  std::size_t mantissaDigits = i - intStart;
  if (i < s.size() && s[i] == '.') {
    const std::size_t fracStart = ++i;
    i = SkipDigits(s, i);
    mantissaDigits += i - fracStart;
  }
  if (mantissaDigits == 0)
    return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-'))
      ++j;
    const std::size_t expEnd = SkipDigits(s, j);
    if (expEnd > j)
      i = expEnd; // an exponent without digits is not part of the number
  }
  return i;
}

// from_chars leaves the value alone when it is out of range; decide whether
// the text overflows (infinity) or underflows (zero) from its magnitude.
bool Overflows(std::string_view number) {
  long long exponent = 0;
  const auto e = number.find_first_of("eE");
  if (e != std::string_view::npos) {
    std::string_view exp = number.substr(e + 1);
    bool negative = false;
    if (!exp.empty() && (exp.front() == '+' || exp.front() == '-')) {
      negative = exp.front() == '-';
      exp.remove_prefix(1);
    }
    for (char c : exp) {
      exponent = exponent * 10 + (c - '0');
      if (exponent > 1'000'000'000)
        break;
    }
    if (negative)
      exponent = -exponent;
  }
  // Position of the first significant digit relative to the decimal point.
  const std::string_view mantissa = number.substr(0, e);
  const auto point = mantissa.find('.');
  const std::size_t intEnd = point == std::string_view::npos ? mantissa.size() : point;
  long long magnitude = 0;
  bool seen = false;
  for (std::size_t i = 0; i < mantissa.size() && !seen; ++i) {
    if (!IsDigit(mantissa[i]) || mantissa[i] == '0')
      continue;
    seen = true;
    magnitude =
        i < intEnd ? static_cast<long long>(intEnd - i) : -static_cast<long long>(i - intEnd - 1);
  }
  return seen && magnitude + exponent > 0;
}

} // namespace

std::string PrintNumber(double value) {
  if (std::isnan(value))
    return "undefined";
  if (std::isinf(value))
    return value > 0 ? "inf" : "-inf";
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 15);
  return {buffer.data(), result.ptr};
}

std::string GlanceNumber(double value) {
  if (!std::isfinite(value))
    return PrintNumber(value);
  const double size = std::abs(value);
  std::array<char, 64> buffer{};
  const auto result = size >= 1000 && size < 1e15
                          ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::fixed, 0)
                          : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::general, 4);
  return {buffer.data(), result.ptr};
}

std::optional<double> ParseNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  const std::size_t length = ScanDecimal(text);
  if (length == 0 || length != text.size())
    return std::nullopt;

  std::string_view digits = text;
  const bool negative = digits.front() == '-';
  if (digits.front() == '+' || digits.front() == '-')
    digits.remove_prefix(1);
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                         std::chars_format::general);
  if (ec == std::errc::result_out_of_range)
    value = Overflows(digits) ? std::numeric_limits<double>::infinity() : 0.0;
  else if (ec != std::errc() || ptr != digits.data() + digits.size())
    return std::nullopt;
  if (negative)
    value = -value;
  if (value == 0.0 && text.front() != '0')
    return std::nullopt;
  return value;
}

} // namespace engine
