#pragma once

// Number functions of the framework. Every conversion uses the C locale's rules (a point as
// the decimal separator) whatever the user's locale is, and none of them throws.

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// Decimal digits, "-" first when negative.
std::string Str(int value);
std::string Str(std::int64_t value);

// At most 7 significant digits, trailing zeros and a trailing point dropped, exponent form
// ("1e+07", "1e-05") only for very large or small magnitudes, like C's "%.7g". So a value
// within rounding noise of a whole number gives that number's digits: 47000.00000000001 gives
// "47000" and 99999.99999999999 gives "100000".
std::string Str(double value);

// The number at the start of `text` after leading blanks: an optional sign, digits with an
// optional point, an optional exponent. 0 when the text holds no number there; a magnitude
// beyond the double range gives an infinity of that sign.
double Val(std::string_view text) noexcept;
double CDbl(std::string_view text) noexcept;

// Conversion of a double to a 32-bit integer: the fraction is dropped (toward zero), values
// beyond the int32 range give its nearest end, and NaN gives 0.
std::int32_t ToInt32(double value) noexcept;

double Floor(double value) noexcept;
double Ceil(double value) noexcept;
double Abs(double value) noexcept;
double Min(double a, double b) noexcept;
double Max(double a, double b) noexcept;
// Natural logarithm.
double Log(double value) noexcept;
double Pow(double base, double exponent) noexcept;

}  // namespace fw
