#pragma once

// Value codes built from significant digits and a power of ten, the EIA-96 marking code, and
// the running index numbers that some part numbers carry instead of a value. Each returns a new
// text and changes nothing; a value that is not a positive number gives the empty text. None
// reads a unit table.

#include <cstdint>
#include <string>

#include "units/digits.h"

namespace units {

// The too-small marker of the multiplier-code formatters.
inline constexpr const char* kTooSmallMarker = "**Too_Small**";

// The multiplier code of `v`: the first `digits` digits followed by the count of zeros that
// follow them ("102" for 1000 with 2 digits, "4710" for 4.7 x 10^11).
std::string multiplierCode(const ValueDigits& v, int digits);
// Whether the multiplier code serves `v`: with 2 digits from 10 (decade 1) up, with 3 digits
// from 100 (decade 2) up, never with another digit count.
bool inMultiplierRange(const ValueDigits& v, int digits);

// The multiplier code in its range (2 or 3 digits), else the R form cut to digits + 1
// characters ("1R3", "R01", "47R0"); below 0.01 (2 digits) or 0.001 (3 digits) the too-small
// marker when `reportTooSmall` is true, else the empty text. Any other digit count gives the R
// form for every value.
std::string Double2MMME(const Value& value, int digits, bool reportTooSmall);

// As Double2MMME, with a "0" ahead of the R below 1 ("0R47") and the too-small marker, always,
// one decade higher: below 0.1 (2 digits) or 0.01 (3 digits).
std::string Double20MMME(const Value& value, int digits);

// The too-small marker below 1, else the multiplier code or the R form ("1R00").
std::string Double2mrkMMME(const Value& value, int digits);

// The three-character EIA-96 marking code: the position (01 to 96) of the value's three
// significant digits in the E96 series and the letter of the power of ten, Y (1 to 10) to F
// (10^7 to 10^8): "01B" for 1000, "52C" for 34000. The empty text outside 1 to 10^8.
std::string Double2Mrk0603Code(const Value& value);

// The index number `number` in decimal, and its last 2, 3 or 4 digits padded with zeros
// ("5", "05", "005", "0005"; 12345 gives "45" in the two-digit form).
std::string IndexPartNumber1(std::int64_t number);
std::string IndexPartNumber01(std::int64_t number);
std::string IndexPartNumber001(std::int64_t number);
std::string IndexPartNumber0001(std::int64_t number);

}  // namespace units
