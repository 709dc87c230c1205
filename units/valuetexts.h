#pragma once

// The formatters that write a readable value: the value text, the compact upper-case value, the
// SPICE number and the library organizer prefix. Each returns a new text and changes nothing.
// A value that is not a positive number gives the empty text (except 0 for Double2spice).
// The three that read the unit table look it up by the value's decade exponent d: a value past
// the table's range (see ranges.h) raises fw::OutOfBoundsException.

#include <string>

#include "units/digits.h"
#include "units/unittable.h"

namespace units {

// The value with `digits` significant digits, the unit prefix of its decade from `SuffixTxt`,
// and `UnitsSuffix` behind it when `withUnits` is true: 4700 gives "4.7k" with 2 digits and
// "4.70kΩ" with 3 digits and the unit (ohm tables). No zeros are trimmed; integer digits beyond
// `digits` are all written (470 with 2 digits gives "470"). Values below 1 are written with
// leading zeros and element 0 of `SuffixTxt`.
std::string Double2HumanValue(const Value& value, int digits, bool withUnits,
                              const UnitTable& units);

// The value with at most `digits` significant digits, up to two trailing zeros of the fraction
// and then a bare point trimmed, the prefix from `RealSuffixTxt`, all in upper case: "1K",
// "34K", "7.5M", "0.002" with 3 digits (ohm tables).
std::string Double2stackpole(const Value& value, int digits, const UnitTable& units);

// The SPICE number: three significant digits and the scale suffix from `SpiceSuffixTxt`
// ("4.70K", "47.0", "0.0100"). A value of exactly 0 is written with zero digits.
std::string Double2spice(const Value& value, const UnitTable& units);

// The library organizer prefix: the exponent of the last of `digits` digits as one character
// (a digit 0 to 9, a letter "A" to "Z" for 10 to 35, "-" and a letter "Z" to "A" for -1 to -26)
// followed by the digits: 1000 gives "210", 1.3 gives "-Z13", 10^12 gives "B10" (2 digits).
std::string Double2EMMM(const Value& value, int digits);

}  // namespace units
