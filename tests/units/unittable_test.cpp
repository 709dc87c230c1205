#include "units/unittable.h"

#include <gtest/gtest.h>

namespace {

using units::InstallUnitRow;
using units::UnitTable;

TEST(UnitTable, DefaultsBeforeAnyChoice) {
  const UnitTable t;
  EXPECT_EQ(t.UnitMultiplier, 0.0);
  EXPECT_EQ(t.UnitsSuffix, "<none>");
  for (const auto* ints : {&t.DecadeDelta, &t.SpiceDecadeDelta, &t.RealDecadeDelta}) {
    ASSERT_EQ(ints->size(), 51);
    for (int v : *ints) EXPECT_EQ(v, 0);
  }
  for (const auto* texts : {&t.SuffixTxt, &t.SpiceSuffixTxt, &t.RealSuffixTxt}) {
    ASSERT_EQ(texts->size(), 51);
    for (const auto& s : *texts) EXPECT_EQ(s, "");
  }
  EXPECT_EQ(units::Zeros.size(), 110u);
  EXPECT_EQ(units::Zeros.substr(0, 3), "0.0");
  EXPECT_EQ(units::Zeros.find_first_not_of('0', 2), std::string_view::npos);
  EXPECT_EQ(units::Letters, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(units::EIA0603codes, "YXABCDEF");
}

TEST(UnitTable, RowsInstallTheirSizesAndPrefixes) {
  UnitTable t;
  InstallUnitRow(t, 1);
  EXPECT_EQ(t.UnitMultiplier, 1.0);
  EXPECT_EQ(t.UnitsSuffix, "\u03A9");  // Greek capital omega, not the ohm sign U+2126
  EXPECT_EQ(t.DecadeDelta.size(), 27);
  EXPECT_EQ(t.DecadeDelta[26], 24);
  EXPECT_EQ(t.SuffixTxt.size(), 22);
  EXPECT_EQ(t.SuffixTxt[3], "");
  EXPECT_EQ(t.SuffixTxt[4], "k");
  EXPECT_EQ(t.SuffixTxt[21], "E");
  EXPECT_EQ(t.SpiceDecadeDelta.size(), 21);
  EXPECT_EQ(t.SpiceDecadeDelta[20], 12);
  EXPECT_EQ(t.SpiceSuffixTxt[4], "K");
  EXPECT_EQ(t.SpiceSuffixTxt[7], "Meg");  // mega, not milli, for a simulator
  EXPECT_EQ(t.SpiceSuffixTxt[21], "T");
  EXPECT_EQ(t.RealDecadeDelta[0], 3);
  EXPECT_EQ(t.RealSuffixTxt.size(), 25);
  EXPECT_EQ(t.RealSuffixTxt[6], "");
  EXPECT_EQ(t.RealSuffixTxt[7], "k");

  InstallUnitRow(t, 2);
  EXPECT_EQ(t.UnitMultiplier, 1000.0);
  EXPECT_EQ(t.UnitsSuffix, "Ω");
  EXPECT_EQ(t.SuffixTxt[0], "m");
  EXPECT_EQ(t.SuffixTxt[4], "");
  EXPECT_EQ(t.SpiceDecadeDelta.size(), 24);
  EXPECT_EQ(t.SpiceDecadeDelta[23], 15);
  EXPECT_EQ(t.SpiceSuffixTxt[7], "k");
  EXPECT_EQ(t.SpiceSuffixTxt[10], "Meg");

  InstallUnitRow(t, 4);
  EXPECT_EQ(t.DecadeDelta[4], 0);
  EXPECT_EQ(t.DecadeDelta[5], 6);
  EXPECT_EQ(t.DecadeDelta[11], 12);
  EXPECT_EQ(t.SuffixTxt[5], "p");
  EXPECT_EQ(t.SuffixTxt[6], "\u00B5");  // the micro sign, not the Greek small mu U+03BC
  EXPECT_EQ(t.SpiceSuffixTxt[6], "u");

  InstallUnitRow(t, 5);
  EXPECT_EQ(t.DecadeDelta.size(), 47);
  EXPECT_EQ(t.SuffixTxt[0], "µ");
  EXPECT_EQ(t.SuffixTxt[27], "m");
  EXPECT_EQ(t.UnitsSuffix, "H");

  InstallUnitRow(t, 7);
  EXPECT_EQ(t.DecadeDelta.size(), 31);
  EXPECT_EQ(t.SuffixTxt.size(), 38);
  EXPECT_EQ(t.UnitsSuffix, "V");
}

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
  EXPECT_EQ(units::UnitLabel(6), "none");
  EXPECT_EQ(units::UnitLabel(2), "mΩ");
  EXPECT_EQ(units::UnitLabel(0), "");
}

}  // namespace
