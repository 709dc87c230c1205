#include "units/digits.h"

#include <cmath>

#include "framework/numbers.h"
#include "framework/text.h"

namespace units {

using fw::Floor;
using fw::Log;
using fw::Pow;

int toInt(double value) noexcept { return fw::ToInt32(value); }
int plusOne(int digits) noexcept { return toInt(digits + 1.0); }

double decadeExponent(double value) { return Floor(Log(value * 1.0004) / Log(10)); }

std::optional<ValueDigits> valueDigits(double value) {
  if (!(value > 0) || !std::isfinite(value)) return std::nullopt;
  // In exactly this order (Log of 1 / v, the quotient, then + 5): at a power of ten the rounding
  // of each step decides between "100000" and "10000".
  const double k = Floor(Log(1 / value) / Log(10) + 5);
  const double scaled = value * Pow(10, k);
  const double d = decadeExponent(value);
  // Far out at either end of the double range 10^k or the decade overflows; the text would
  // hold "INF" instead of digits.
  if (!std::isfinite(scaled) || !std::isfinite(d)) return std::nullopt;
  return ValueDigits{fw::Str(scaled), d};
}

int suffixIndex(double d, int offset) { return d < 0 ? 0 : toInt(d + offset); }

std::string paddedDigits(const ValueDigits& v, double start, double count) {
  // No code is longer than a few characters; bounding the length (not just the zeros) keeps
  // absurd digit counts from building huge texts without moving a digit out of its place.
  const double length = fw::Min(count, 128);
  const double zeros = fw::Min(fw::Max(0, 1 - start), fw::Max(0, length));
  return std::string(static_cast<size_t>(toInt(zeros)), '0') +
         fw::Mid("00" + v.s, toInt(fw::Max(1, start)), toInt(length - zeros));
}

std::string rForm(const ValueDigits& v, int n, int cut) {
  const std::string integer = paddedDigits(v, fw::Min(3, v.d + 3), v.d + 1);
  const std::string fraction = paddedDigits(v, v.d + 4, n - (v.d + 1));
  return fw::Left(integer + "R" + fraction, cut);
}

std::string leadingZeroRForm(const ValueDigits& v, int n, int cut) {
  const double start = fw::Min(3, v.d + 3);
  const double count = fw::Max(1, v.d + 1);
  const std::string integer = paddedDigits(v, start, count);
  const std::string fraction = paddedDigits(v, start + count, n - (v.d + 1));
  return fw::Left(integer + "R" + fraction, cut);
}

}  // namespace units
