// How the form prints and parses numbers: printf "%.15g" output and a strict
// decimal parser, both independent of the user's locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// "%.15g": 100 -> "100", 1/3 -> "0.333333333333333". Values a division by
// zero left behind print as "inf", "-inf" and "undefined".
std::string PrintNumber(double value);

// Four significant digits, yet every whole digit ("7.902", "112.1",
// "251070"), for reading at a glance: a voltage or an area rounded to tens
// would read as a different value. Non-finite values print as PrintNumber.
std::string GlanceNumber(double value);

// Blanks and tabs around one decimal number (optional sign, digits, optional
// point, optional exponent) and nothing else. Zero counts only when the text
// starts with the digit 0, so ".0" and "-0" are not numbers. Too large for a
// double reads as an infinity; too small to be distinguished from zero is not
// a number (it starts with another digit).
std::optional<double> ParseNumber(std::string_view text);

} // namespace engine
