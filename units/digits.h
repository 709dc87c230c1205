#pragma once

// The front end every value formatter shares: the digit string and decade exponent of a value,
// the suffix index into a unit table, and the R forms of value codes below their multiplier
// range. Every integer derived here is computed in doubles and converted with fw::ToInt32, so
// no argument, however large, overflows.

#include <optional>
#include <string>

namespace units {

// The two numbers every formatter starts from.
struct ValueDigits {
  // The value's leading significant digits: five characters ("47000" for 4.7, "20000" for
  // 0.002), six at an exact power of ten ("100000"). Formatters take digits from it and never
  // round.
  std::string s;
  // The power of ten of the value, a whole number held in a double. A value from 0.04 % below
  // a power of ten up to that power counts in the decade above (999.9999999999999 has 3).
  double d = 0;
};

// The digit string and decade exponent of `value`, or nothing when the value is not a positive
// number whose digits double precision can compute (0, negative, NaN, infinite, or beyond about
// 10^-303 and 10^308). Formatters give the empty text for such values.
std::optional<ValueDigits> valueDigits(double value);

// A value with its digit string and decade exponent worked out once, for a caller that formats
// the same value several ways: Go writes about eight texts and codes for every device. Each
// formatter takes one; a bare double converts to it, its digits worked out on the spot.
struct Value {
  Value(double x) : number(x), digits(valueDigits(x)) {}
  double number;
  // Nothing where valueDigits gives nothing.
  std::optional<ValueDigits> digits;
};

// The decade exponent alone, for any double (minus infinity for 0, NaN for a negative value).
double decadeExponent(double value);

// The element of a suffix table read for decade exponent `d`: d + `offset` for d >= 0,
// element 0 for a negative exponent.
int suffixIndex(double d, int offset);

// `count` characters (at most 128) of "00" + the digit string from 1-based position `start`,
// reading every position before the text as a "0": a value many decades below a code's letter
// or point keeps all the zeros that put its digits in place. Nothing outside the text is read.
std::string paddedDigits(const ValueDigits& v, double start, double count);

// The R form with digit count `n`, cut to `cut` characters: the integer digits, "R" where the
// point is, then the fraction digits up to n significant digits ("1R3", "R01", "47R0").
std::string rForm(const ValueDigits& v, int n, int cut);
// The R form with a "0" ahead of the R for values below 1 ("0R47", "0R01").
std::string leadingZeroRForm(const ValueDigits& v, int n, int cut);

// A whole number held in a double as an int32: saturating at the int32 range, NaN gives 0.
int toInt(double value) noexcept;
// The usual cut length of a code with `digits` digits: one character more (saturating).
int plusOne(int digits) noexcept;

}  // namespace units
