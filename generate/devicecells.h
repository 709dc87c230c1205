#pragma once

// What Go writes into the cells of one device line: the value code of a part number by the
// column's value format, the package marking, and the test listing that compares the
// formatters.

#include <cstdint>
#include <optional>
#include <string>

#include "framework/array.h"
#include "units/digits.h"
#include "units/unittable.h"

namespace generate {

// The value being written: E the snapped series value in the base unit, V the same in the
// user's unit, each with its digits worked out once for all the cells that format it.
struct DeviceValue {
  units::Value E;
  units::Value V;
};

// A source column's value format applied to one device.
struct ValueCode {
  std::string code;
  // The digit count the code carries: the value text and the library organizer prefix follow it.
  int digitCount = 0;
};

// The part-number value code of value-format row `row` (the rows of ValFmtPU, 0 to 16):
// rows 0 to 12 code the value, rows 13 to 16 print `indexCounter` and carry `sigDigits` as
// their digit count. Nothing for a row outside the list: the cell keeps what it holds.
std::optional<ValueCode> valueCode(int row, const DeviceValue& value, std::int64_t indexCounter,
                                   int sigDigits, const units::UnitTable& units);

// The package marking of marking row `row` (the rows of MrkPU, 0 to 3); nothing for a row
// outside the list. A marking that cannot be made is the empty text.
std::optional<std::string> marking(int row, const DeviceValue& value);

// Writes the test listing of one value into cells 0 to 25: the value, its decade and digit
// string, then each formatter's code with two and three digits, ending with the line end.
void writeTestListing(fw::Array<std::string>& cells, const DeviceValue& value,
                      const units::UnitTable& units);

}  // namespace generate
