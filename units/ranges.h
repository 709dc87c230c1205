#pragma once

// How far the formatters that read a unit table reach with the table in force. A value past
// that reach makes the formatter's table look-up raise fw::OutOfBoundsException, so the
// generation of a family can refuse a start or stop value beyond it before it begins.

#include "units/unittable.h"

namespace units {

enum class TableFormatter {
  HumanValue,  // Double2HumanValue: DecadeDelta and SuffixTxt, value in the user's unit
  Stackpole,   // Double2stackpole: DecadeDelta and RealSuffixTxt, value in the base unit
  Spice,       // Double2spice: SpiceDecadeDelta and SpiceSuffixTxt, value in the user's unit
};

// The largest decade exponent whose decade and suffix the formatter finds in `units`: 20 for
// Double2HumanValue with the ohm tables. Every value of a lower decade (values below 1 too)
// formats.
int largestDecade(const UnitTable& units, TableFormatter formatter) noexcept;

// The largest double the formatter can format with `units`: every positive value up to it
// gives a text, every value above it raises fw::OutOfBoundsException. It lies just below
// 10^(largestDecade + 1) / 1.0004, since a value 0.04 % below a power of ten counts in the
// decade above.
double largestValue(const UnitTable& units, TableFormatter formatter) noexcept;

}  // namespace units
