#pragma once

#include <string>

// The text every gain ratio gives in place of a number when the purchase amount is 0.
inline constexpr const char* kCannotCalculateText = "Cannot calculate! Purchase Price is zero";

// a + b, held within -LLONG_MAX..LLONG_MAX instead of overflowing, so that every
// total written as amount text reads back as the same number.
long long SaturatingAdd(long long a, long long b);
// a - b, held within the same range.
long long SaturatingSubtract(long long a, long long b);

// A gain ratio written with exactly two decimals, not multiplied by 100: 0.5 gives
// "0.50", -0.25 gives "-0.25". The magnitude is rounded half away from zero on its
// 17-significant-digit decimal form (0.125 gives "0.13", 1.005 gives "1.00" because
// its nearest double is 1.00499999999999990...). A non-zero ratio too small for any
// digit gives "0.00", or "-0.00" when negative, so a tiny loss still reads as a loss.
std::string GainRatioText(double ratio);

// The gain ratio text of (current - purchase) / purchase, or kCannotCalculateText
// when purchase is 0.
std::string GainRatioOf(long long current, long long purchase);
