#pragma once

// Point-letter codes: value codes in which a letter stands where the decimal point is and names
// the power of ten of the unit ahead of it ("1K0", "7M5", "2N0", "2L000", "1V3"). Each returns
// a new text and changes nothing; a value that is not a positive number gives the empty text.
// None reads a unit table.

#include <string>

#include "units/digits.h"

namespace units {

// Resistor code with "R", "K", "M", "G" cut to digits + 1 characters: "1R3", "1K0", "34K",
// "7M5" (2 digits); "1R30", "1K00", "470R" (3 digits). Each letter serves three decades, with
// 3 digits one decade higher; from 10^11 (2 digits) or 10^12 (3 digits) up the multiplier code.
// Below 0.1 / 1.0004: "Too Small" when `reportTooSmall` is true, else the empty text.
std::string Double2MMKM(const Value& value, int digits, bool reportTooSmall);

// As Double2MMKM with "V" in place of "R": "1V3", "4V7", "1K0".
std::string Double2MMVM(const Value& value, int digits, bool reportTooSmall);

// Inductor code of a value in microhenries: "N" for nanohenries ("2N0", "47N"), the R form
// ("1R3", "R47"), the multiplier code from 10 µH (2 digits) or 100 µH (3 digits) up, and
// "**Too_Small**" below 1 nH (2 digits) or 0.1 nH (3 digits).
std::string Double2uHMME(const Value& value, int digits);

// Code with the milli "M" below 0.1 / 1.0004 ("2M0", "M10", "M02"), the R form up to 10 (2
// digits) or 100 (3 digits), the multiplier code above. No lower bound: tiny values pad with
// zeros after the letter.
std::string Double2MRMMME(const Value& value, int digits);

// Five-character code (with 4 digits) with the milli "L" below 0.01 / 1.0004 ("2L000"), the R
// form up to 1000 ("R0100", "470R0"), then "K", "M" and "G" ("34K00", "7M500", "470G0"); the
// empty text from 10^12 / 1.0004 up.
std::string Double2MMLRKM(const Value& value, int digits);

}  // namespace units
