#pragma once

// The unit table in force: the factor between the user's unit and the base unit, the unit text,
// and the decade and suffix tables that tell the value formatters which unit prefix to write
// for each decade. Before any unit is chosen every array has 51 elements of 0 or the empty text.

#include <string>
#include <string_view>

#include "framework/array.h"

namespace units {

struct UnitTable {
  double UnitMultiplier = 0;
  fw::Array<int> DecadeDelta = fw::Array<int>(50);
  fw::Array<std::string> SuffixTxt = fw::Array<std::string>(50);
  std::string UnitsSuffix = "<none>";
  fw::Array<int> SpiceDecadeDelta = fw::Array<int>(50);
  fw::Array<std::string> SpiceSuffixTxt = fw::Array<std::string>(50);
  fw::Array<int> RealDecadeDelta = fw::Array<int>(50);
  fw::Array<std::string> RealSuffixTxt = fw::Array<std::string>(50);
};

// Installs the unit table of row `row` of the unit choice (1 to 7): the multiplier, the unit
// text and the arrays that row lists; the arrays it does not list get their defaults, whatever
// an earlier choice installed. Row 0 (nothing chosen) and rows outside the list change nothing.
void InstallUnitRow(UnitTable& table, int row);

// The unit shown beside Start and Stop for row `row` ("Ω", "mΩ", "pF", ...); the empty text for
// row 0 and rows outside the list.
std::string UnitLabel(int row);

// "0." and 108 zero digits: the leading zeros of values below 1.
inline constexpr std::string_view Zeros =
    "0.000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
    "000000000000000000";
// The letters of the decade codes.
inline constexpr std::string_view Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// EIA-96 multiplier letters for the decades 10^-2 to 10^5, in decade order.
inline constexpr std::string_view EIA0603codes = "YXABCDEF";

}  // namespace units
