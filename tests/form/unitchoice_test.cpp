#include <string>

#include "formtest.h"

namespace {

TEST_F(Window1Test, EachUnitShowsItsLabelAndEnablesStartAndStop) {
  const char* labels[] = {"", "Ω", "mΩ", "pF", "pF", "µH", "none", "V"};
  const double multipliers[] = {0, 1, 1000, 1, 1, 1, 1, 1};
  // Milliohms are labelled as such, but value texts name the ohm.
  const char* suffixes[] = {"", "Ω", "Ω", "F", "F", "H", "", "V"};
  for (int row = 1; row <= 7; ++row) {
    w.ValueSuffixPU().userChoose(row);
    EXPECT_EQ(w.ValueSuffixIndex, row);
    EXPECT_EQ(w.UnitsStartST().Text(), labels[row]);
    EXPECT_EQ(w.UnitsStopST().Text(), labels[row]);
    EXPECT_TRUE(w.UnitsStartST().Visible() && w.UnitsStopST().Visible());
    EXPECT_TRUE(w.StartEF().Enabled() && w.StopEF().Enabled());
    EXPECT_EQ(w.Units.UnitMultiplier, multipliers[row]);
    EXPECT_EQ(w.Units.UnitsSuffix, suffixes[row]);
  }
}

// The blank row takes the unit away but keeps the tables; no row at all (an index outside the
// list) leaves the labels and fields as a unit has them, and installs nothing.
TEST_F(Window1Test, BlankUnitHidesLabelsAndKeepsTheTables) {
  fillInForGo();
  w.ValueSuffixPU().userChoose(3);
  ASSERT_TRUE(goEnabled());
  const units::UnitTable installed = w.Units;
  w.TestEF().setText("output");
  w.ValueSuffixPU().userChoose(0);
  EXPECT_FALSE(w.UnitsStartST().Visible());
  EXPECT_FALSE(w.UnitsStopST().Visible());
  EXPECT_EQ(w.UnitsStartST().Text(), "pF");
  EXPECT_FALSE(w.StartEF().Enabled());
  EXPECT_FALSE(w.StopEF().Enabled());
  EXPECT_EQ(w.Units.UnitMultiplier, installed.UnitMultiplier);
  EXPECT_EQ(w.Units.UnitsSuffix, "F");
  EXPECT_EQ(w.Units.DecadeDelta, installed.DecadeDelta);
  EXPECT_EQ(w.Units.SpiceSuffixTxt, installed.SpiceSuffixTxt);
  EXPECT_EQ(w.TestEF().Text(), "");
  EXPECT_EQ(w.ValueSuffixIndex, 0);
  EXPECT_FALSE(goEnabled());

  w.TestEF().setText("output");
  w.ValueSuffixPU().setListIndex(-1);
  EXPECT_EQ(w.ValueSuffixIndex, -1);
  EXPECT_TRUE(w.UnitsStopST().Visible());
  EXPECT_EQ(w.UnitsStopST().Text(), "pF");
  EXPECT_TRUE(w.StopEF().Enabled());
  EXPECT_EQ(w.Units.UnitsSuffix, "F");
  EXPECT_EQ(w.TestEF().Text(), "");
}

}  // namespace
