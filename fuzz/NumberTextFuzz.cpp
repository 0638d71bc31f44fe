// Any text through the form's number parser, and any double through the
// printer and back. Besides the sanitizers it checks what must hold for every
// input: an accepted text reads back stably, and a printed finite value reads
// back to a value that prints the same.
#include "engine/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void Require(bool holds) {
  if (!holds)
    __builtin_trap();
}

// From this magnitude up the 15-digit form rounds past the largest double
// ("1.79769313486232e+308") and reads as infinity, which every range rejects.
constexpr double RoundsToInfinity = 1.797693134862315e308;

void CheckPrinted(double value) {
  const std::string printed = engine::PrintNumber(value);
  const std::optional<double> back = engine::ParseNumber(printed);
  if (std::isnan(value) || std::isinf(value)) {
    // "undefined", "inf" and "-inf" are shown, never read.
    Require(!back.has_value());
    return;
  }
  if (value == 0.0 && std::signbit(value)) {
    // "-0" is not a number to the form: zero must start with the digit 0.
    Require(!back.has_value());
    return;
  }
  Require(back.has_value());
  if (std::isinf(*back)) {
    Require(std::fabs(value) >= RoundsToInfinity);
    return;
  }
  Require(engine::PrintNumber(*back) == printed);
}

void CheckParsed(std::string_view text) {
  const std::optional<double> value = engine::ParseNumber(text);
  if (!value)
    return;
  Require(!std::isnan(*value));
  // Zero only from a text that starts (after blanks) with the digit 0.
  if (*value == 0.0) {
    const auto first = text.find_first_not_of(" \t");
    Require(first != std::string_view::npos && text[first] == '0');
  }
  if (std::isfinite(*value) && !(*value == 0.0 && std::signbit(*value)))
    CheckPrinted(*value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckParsed(std::string_view(reinterpret_cast<const char*>(data), size));
  if (size >= sizeof(double)) {
    double value = 0.0;
    std::memcpy(&value, data, sizeof value);
    CheckPrinted(value);
  }
  return 0;
}
