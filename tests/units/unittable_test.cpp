#include "units/unittable.h"

#include <gtest/gtest.h>

namespace {

using units::InstallUnitRow;
using units::UnitTable;

// The prefixes, code points and SPICE scale factors of each row show in the value texts that
// the formatters write (tests of valuetexts); here what a choice after another keeps.
TEST(UnitTable, ArraysARowDoesNotListKeepEarlierChoices) {
  UnitTable t;
  InstallUnitRow(t, 1);
  InstallUnitRow(t, 3);
  EXPECT_EQ(t.RealSuffixTxt.size(), 25);  // still row 1's
  EXPECT_EQ(t.RealSuffixTxt[7], "k");
  EXPECT_EQ(t.UnitsSuffix, "F");
  EXPECT_EQ(t.SuffixTxt[7], "µ");

  const UnitTable before = t;
  InstallUnitRow(t, 0);
  InstallUnitRow(t, -1);
  InstallUnitRow(t, 8);
  EXPECT_EQ(t.SuffixTxt, before.SuffixTxt);
  EXPECT_EQ(t.UnitMultiplier, before.UnitMultiplier);

  UnitTable fresh;
  InstallUnitRow(fresh, 6);
  EXPECT_EQ(fresh.UnitsSuffix, "");
  EXPECT_EQ(fresh.SpiceSuffixTxt.size(), 51);  // default SPICE arrays stay
}

}  // namespace
