#include "form/window1_controls.h"

namespace form::window1 {

const std::vector<std::string>& SeriesRows() {
  static const std::vector<std::string> rows = {"E6",  "E12",  "E24",   "E48",
                                                "E96", "E192", "1-2-5", "test"};
  return rows;
}

const std::vector<std::string>& ValueSuffixRows() {
  static const std::vector<std::string> rows = {"",
                                                "Ω, kΩ, MΩ...",
                                                "mΩ, Ω, kΩ, MΩ...",
                                                "pF, nF, µF, F",
                                                "pF, µF, F",
                                                "µH, mH, H",
                                                "p, n, µ, m, <none>, k, M...",
                                                "V"};
  return rows;
}

const std::vector<std::string>& ManufacturerRows() {
  static const std::vector<std::string> rows = {
      "",      "Bourns", "NIC Components", "Panasonic",      "Stackpole", "Vishay", "AVX",
      "Kemet", "muRata", "API Delevan",    "Cooper Bussman", "Pulse",     "Sumida", "Toko"};
  return rows;
}

const std::vector<std::string>& MarkingRows() {
  static const std::vector<std::string> rows = {"", "MME", "MMME", "EIA 0603 Code"};
  return rows;
}

const std::vector<std::string>& RefDesRows() {
  static const std::vector<std::string> rows = {"", "R", "C", "L", "VR", "RN", "VC", "D"};
  return rows;
}

const std::vector<std::string>& SpiceRefDesRows() {
  static const std::vector<std::string> rows = {"", "R", "C", "L", "D"};
  return rows;
}

const std::vector<std::string>& ValueFormatRows() {
  // clang-format off
  static const std::vector<std::string> rows = {
      "0.002   0.01     1.3       1K       34K      7.5M    V  Stackpole Res",
      "-----  -----    1.3       1.0K    34K      7.5M    V  Xicon Res  Vishay CH0",
      "-----   R01      1R3      102     343      755      3",
      "-----   ----    1R3      1K0     34K      7M5     3",
      "2N0      10N     1R3      102      343      755     3  Bourns Ind",
      "2M0     10M     1R3      102      343     755       3  Panasonic",
      "-----  -----    12Y      01B      52C     85E      3  0603 E96 code",
      "2M00   10M0   1R30    1001    3402   7504     4  Panasonic",
      "-----   0R01    1R30    1001   3402    7504    4",
      "R002    R010    1R30    1001   3402    7504    4",
      "-----   ----    1R30    1K00   34K0    7M50    4",
      "2L000  R0100  1R300  1K000  34K00 7M500  5  Vishay WS   KOA",
      "-----   ----    1V3      1000    -----  -----    3 Zeners",
      "1          2          3          4          5...      99999  - Inductors",
      "01        02        03        04        05...    99",
      "001      002      003      004      005     999",
      "0001    0002    0003    0004    0005   9999",
  };
  // clang-format on
  return rows;
}

}  // namespace form::window1
