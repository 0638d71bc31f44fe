// Bit-for-bit comparison of doubles for the engine tests: results must equal
// plain IEEE evaluation, so "close" is a failure. Any NaN matches any NaN.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

namespace engine::test {

inline std::string Digits17(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

// The text the form shows for a value: 15 significant digits.
inline std::string Shown(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15g", v);
  return buf;
}

inline ::testing::AssertionResult SameBits(const char* gotExpr, const char* wantExpr, double got,
                                           double want) {
  if ((std::isnan(got) && std::isnan(want)) ||
      std::bit_cast<std::uint64_t>(got) == std::bit_cast<std::uint64_t>(want))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << gotExpr << " is " << Digits17(got) << ", expected "
                                       << wantExpr << " = " << Digits17(want);
}

} // namespace engine::test

#define EXPECT_BITS(got, want) EXPECT_PRED_FORMAT2(::engine::test::SameBits, got, want)
