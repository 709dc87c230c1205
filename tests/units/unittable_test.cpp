#include "units/unittable.h"

#include <gtest/gtest.h>

namespace {

using units::InstallUnitRow;
using units::UnitTable;

// A choice installs the same tables whatever was chosen before it, so the texts of a form do not
// depend on the order its unit was picked in; no choice at all keeps the tables in force.
TEST(UnitTable, EachRowInstallsTheSameTablesWhateverCameBefore) {
  for (int earlier = 1; earlier <= 7; ++earlier) {
    for (int row = 1; row <= 7; ++row) {
      UnitTable fresh, t;
      InstallUnitRow(fresh, row);
      InstallUnitRow(t, earlier);
      InstallUnitRow(t, row);
      EXPECT_TRUE(t.SpiceSuffixTxt == fresh.SpiceSuffixTxt &&
                  t.SpiceDecadeDelta == fresh.SpiceDecadeDelta &&
                  t.RealSuffixTxt == fresh.RealSuffixTxt && t.SuffixTxt == fresh.SuffixTxt)
          << earlier << " then " << row;
    }
  }
  UnitTable t;
  InstallUnitRow(t, 3);
  const UnitTable before = t;
  for (int none : {0, -1, 8}) InstallUnitRow(t, none);
  EXPECT_EQ(t.SuffixTxt, before.SuffixTxt);
  EXPECT_EQ(t.UnitMultiplier, before.UnitMultiplier);
}

}  // namespace
