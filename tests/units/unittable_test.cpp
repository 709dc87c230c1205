#include "units/unittable.h"

#include <gtest/gtest.h>

namespace {

using units::InstallUnitRow;
using units::UnitTable;

// The prefixes, code points and SPICE scale factors of each row show in the value texts that
// the formatters write (tests of valuetexts); here that a choice does not depend on the one
// before it, and that no choice at all keeps the tables.
TEST(UnitTable, EachRowInstallsTheSameTablesWhateverCameBefore) {
  UnitTable t;
  for (int row : {1, 5, 2}) {
    InstallUnitRow(t, row);
    for (int next = 1; next <= 7; ++next) {
      UnitTable fresh;
      InstallUnitRow(fresh, next);
      InstallUnitRow(t, next);
      EXPECT_EQ(t.SpiceSuffixTxt, fresh.SpiceSuffixTxt) << row << " then " << next;
      EXPECT_EQ(t.RealSuffixTxt, fresh.RealSuffixTxt) << row << " then " << next;
      EXPECT_EQ(t.DecadeDelta, fresh.DecadeDelta) << row << " then " << next;
    }
    InstallUnitRow(t, row);
  }
  InstallUnitRow(t, 3);
  EXPECT_EQ(t.UnitsSuffix, "F");
  EXPECT_EQ(t.SuffixTxt[7], "µ");
  EXPECT_EQ(t.RealSuffixTxt.size(), 51);  // row 3 has none of its own

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
