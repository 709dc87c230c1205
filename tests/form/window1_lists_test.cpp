#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formtest.h"

namespace {

using formtest::rowsOf;
using Rows = std::vector<std::string>;

TEST_F(Window1Test, ChoiceListsRowForRow) {
  EXPECT_EQ(rowsOf(w.SeriesPU()),
            (Rows{"E6", "E12", "E24", "E48", "E96", "E192", "1-2-5", "test"}));
  EXPECT_EQ(rowsOf(w.ValueSuffixPU()),
            (Rows{"", "\u03A9, k\u03A9, M\u03A9...", "m\u03A9, \u03A9, k\u03A9, M\u03A9...",
                  "pF, nF, \u00B5F, F", "pF, \u00B5F, F", "\u00B5H, mH, H",
                  "p, n, \u00B5, m, <none>, k, M...", "V"}));
  const Rows manufacturers = {
      "",      "Bourns", "NIC Components", "Panasonic",      "Stackpole", "Vishay", "AVX",
      "Kemet", "muRata", "API Delevan",    "Cooper Bussman", "Pulse",     "Sumida", "Toko"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(rowsOf(w.ManufCB(i)), manufacturers) << i;
    EXPECT_EQ(rowsOf(w.MrkPU(i)), (Rows{"", "MME", "MMME", "EIA 0603 Code"})) << i;
  }
  EXPECT_EQ(rowsOf(w.RefDesPreCB()), (Rows{"", "R", "C", "L", "VR", "RN", "VC", "D"}));
  EXPECT_EQ(rowsOf(w.SpiceRefDesPreCB()), (Rows{"", "R", "C", "L", "D"}));
}

// The value-format rows line their sample codes up with runs of blanks, which must stay as
// they are.
TEST_F(Window1Test, ValueFormatRowsKeepTheirBlanks) {
  // clang-format off
  const Rows formats = {
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
  for (int i = 0; i < 3; ++i) EXPECT_EQ(rowsOf(w.ValFmtPU(i)), formats) << i;
}

}  // namespace
