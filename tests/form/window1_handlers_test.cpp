#include <functional>
#include <string>

#include "window1_fixture.h"

namespace {

TEST_F(Window1Test, OpenHandlersSeedTheTemplateFromTheInitialValues) {
  const auto& cells = w.OutputLineArray;
  EXPECT_EQ(cells[4], "");
  EXPECT_EQ(cells[6], " 1%");
  const char* seeded[3][4] = {{"Bourns", "CR0805-FX-", "ELF", "Avnet"},
                              {"Stackpole", "RMCF1/10 ", " 1%R", "Avnet"},
                              {"NIC Components", "NRC10F", "TR10F", "Avnet"}};
  for (int s = 0; s < 3; ++s) {
    for (int k = 0; k < 4; ++k) EXPECT_EQ(cells[10 * s + 10 + 2 * k], seeded[s][k]);
  }
  for (int empty : {0, 1, 2, 5, 8, 13, 18, 23, 28, 33, 38, 40, 42, 44, 46, 48, 49, 50}) {
    EXPECT_EQ(cells[empty], "") << empty;
  }
  for (int n = 0; n <= 50; ++n) {
    EXPECT_EQ(w.ResCodeFormat[n], n == 13 || n == 33 ? 1 : 0) << n;
    EXPECT_EQ(w.MrkFormat[n], n == 18 || n == 28 || n == 38 ? 2 : 0) << n;
  }
  EXPECT_EQ(w.LastSource, 33);
  EXPECT_EQ(w.EndOfOutLineArray, 47);
}

// Each source column writes its own cells and leaves the other columns' alone.
TEST_F(Window1Test, SourceColumnsWriteTheirOwnCells) {
  for (int s = 0; s < 3; ++s) {
    SCOPED_TRACE(s);
    const fw::Array<std::string> before = w.OutputLineArray;
    w.ManufCB(s).userType("Maker" + std::to_string(s));
    w.PrefixEF(s).userSetText("P" + std::to_string(s));
    w.SuffixEF(s).userSetText("S" + std::to_string(s));
    w.VendorEF(s).userSetText("V" + std::to_string(s));
    w.ValFmtPU(s).userChoose(10 + s);
    w.MrkPU(s).userChoose(3);
    for (int n = 0; n <= 50; ++n) {
      const int offset = n - 10 * s - 10;
      if (offset == 0)
        EXPECT_EQ(w.OutputLineArray[n], "Maker" + std::to_string(s));
      else if (offset == 2)
        EXPECT_EQ(w.OutputLineArray[n], "P" + std::to_string(s));
      else if (offset == 4)
        EXPECT_EQ(w.OutputLineArray[n], "S" + std::to_string(s));
      else if (offset == 6)
        EXPECT_EQ(w.OutputLineArray[n], "V" + std::to_string(s));
      else
        EXPECT_EQ(w.OutputLineArray[n], before[n]) << "cell " << n;
    }
    EXPECT_EQ(w.ResCodeFormat[10 * s + 13], 10 + s);
    EXPECT_EQ(w.MrkFormat[10 * s + 18], 3);
  }
  w.ValFmtPU(1).setListIndex(-1);
  EXPECT_EQ(w.ResCodeFormat[23], -1);
}

TEST_F(Window1Test, LibraryNameAndValueTextsGoToTheirCells) {
  w.LibPreEF().userSetText("RES_");
  w.LibSufEF().userSetText("_0805");
  w.ValPreEF().userSetText("~");
  w.ValSufEF().userSetText(" 5%");
  EXPECT_EQ(w.OutputLineArray[0], "RES_");
  EXPECT_EQ(w.OutputLineArray[2], "_0805");
  EXPECT_EQ(w.OutputLineArray[4], "~");
  EXPECT_EQ(w.OutputLineArray[6], " 5%");
  // Either naming option puts the plain prefix back into the cell that Go rewrites.
  for (fw::CheckBox* box : {&w.PreLOCB(), &w.PrefixPNCB()}) {
    w.OutputLineArray[0] = "written by a run";
    box->userClick();
    EXPECT_EQ(w.OutputLineArray[0], "RES_") << box->Name();
  }
}

struct Edit {
  const char* what;
  std::function<void(form::Window1&)> act;
  bool resets;
  bool checksGo;
};

// Every edit keeps the form ready for Go, so a handler that checks the form enables the button
// that the test disabled before the edit; one that does not leaves it disabled.
TEST_F(Window1Test, EditsEmptyTheOutputAndSomeCheckTheFormForGo) {
  using W = form::Window1;
  // clang-format off
  const Edit edits[] = {
      {"Start", [](W& f) { f.StartEF().userSetText("12"); }, true, true},
      {"Stop", [](W& f) { f.StopEF().userSetText("120"); }, true, true},
      {"series", [](W& f) { f.SeriesPU().userChoose(2); }, true, false},
      {"unit", [](W& f) { f.ValueSuffixPU().userChoose(3); }, true, true},
      {"lib prefix", [](W& f) { f.LibPreEF().userSetText("A"); }, true, false},
      {"lib suffix", [](W& f) { f.LibSufEF().userSetText("B"); }, true, false},
      {"value prefix", [](W& f) { f.ValPreEF().userSetText("C"); }, true, false},
      {"value suffix", [](W& f) { f.ValSufEF().userSetText("D"); }, true, false},
      {"manufacturer chosen", [](W& f) { f.ManufCB(1).userChoose(5); }, true, true},
      {"manufacturer committed", [](W& f) { f.ManufCB(2).userType("X"); f.ManufCB(2).userCommit(); }, true, true},
      {"manufacturer typed", [](W& f) { f.ManufCB(0).userType("Vishay"); }, false, false},
      {"part prefix", [](W& f) { f.PrefixEF(2).userSetText("E"); }, true, false},
      {"value format", [](W& f) { f.ValFmtPU(1).userChoose(4); }, true, true},
      {"part suffix", [](W& f) { f.SuffixEF(0).userSetText("F"); }, true, false},
      {"vendor", [](W& f) { f.VendorEF(1).userSetText("G"); }, true, false},
      {"marking", [](W& f) { f.MrkPU(2).userChoose(1); }, true, false},
      {"sig digits", [](W& f) { f.SigDigEF(2).userSetText("3"); }, true, true},
      {"index start", [](W& f) { f.IndexStartEF(1).userSetText("5"); }, true, false},
      {"ref des chosen", [](W& f) { f.RefDesPreCB().userChoose(2); }, true, true},
      {"ref des typed", [](W& f) { f.RefDesPreCB().userType("Q"); }, false, false},
      {"ref des start", [](W& f) { f.RefDesStartEF().userSetText("7"); }, true, false},
      {"spice prefix chosen", [](W& f) { f.SpiceRefDesPreCB().userChoose(1); }, true, true},
      {"spice prefix typed", [](W& f) { f.SpiceRefDesPreCB().userType("X"); }, false, false},
      {"spice parameters", [](W& f) { f.SpiceParamEF().userSetText("TC=0"); }, true, false},
      {"organizer option", [](W& f) { f.PreLOCB().userClick(); }, true, false},
      {"part number option", [](W& f) { f.PrefixPNCB().userClick(); }, true, false},
      {"length", [](W& f) { f.LengthEF(2).userSetText("1"); }, true, false},
      {"width", [](W& f) { f.WidthEF(0).userSetText("1"); }, true, false},
      {"length total", [](W& f) { f.LengthTotEF().setText("4"); }, true, false},
      {"width total", [](W& f) { f.WidthTotEF().setText("4"); }, true, false},
      {"area", [](W& f) { f.AreaEF().userSetText("16"); }, true, false},
  };
  // clang-format on
  fillInForGo();
  for (const Edit& edit : edits) {
    w.TestEF().userSetText("R1\tresult");
    w.PushButton1().setEnabled(false);
    edit.act(w);
    EXPECT_EQ(w.TestEF().Text(), edit.resets ? "" : "R1\tresult") << edit.what;
    EXPECT_EQ(goEnabled(), edit.checksGo) << edit.what;
  }
}

TEST_F(Window1Test, TypingAManufacturerLeavesGoAsItWasUntilCommitted) {
  fillInForGo();
  ASSERT_TRUE(goEnabled());
  w.ManufCB(0).userType("");
  EXPECT_EQ(w.OutputLineArray[10], "");
  EXPECT_TRUE(goEnabled());
  // Any element's digit count checks the form again.
  w.SigDigEF(2).userSetText("x");
  EXPECT_FALSE(goEnabled());
}

TEST_F(Window1Test, IndexFormatsEnableTheirOwnColumnsFields) {
  for (int row : {13, 14, 15, 16}) {
    w.ValFmtPU(1).userChoose(row);
    EXPECT_TRUE(w.SigDigEF(1).Enabled()) << row;
    EXPECT_TRUE(w.IndexStartEF(1).Enabled()) << row;
    for (int other : {0, 2}) {
      EXPECT_FALSE(w.SigDigEF(other).Enabled()) << row;
      EXPECT_FALSE(w.IndexStartEF(other).Enabled()) << row;
    }
  }
  w.SigDigEF(1).userSetText("3");
  w.ValFmtPU(1).setListIndex(-1);  // no row: left as they are
  EXPECT_TRUE(w.SigDigEF(1).Enabled());
  w.ValFmtPU(1).userChoose(12);
  EXPECT_FALSE(w.SigDigEF(1).Enabled());
  EXPECT_FALSE(w.IndexStartEF(1).Enabled());
  EXPECT_EQ(w.SigDigEF(1).Text(), "3");
  EXPECT_EQ(w.IndexStartEF(1).Text(), "1");
}

TEST_F(Window1Test, TestSeriesPresetsUnitStartAndStop) {
  w.RefDesPreCB().userChoose(1);
  w.StartEF().setText("47");
  w.SeriesPU().userChoose(1);  // any other series changes nothing more
  EXPECT_EQ(w.StartEF().Text(), "47");
  EXPECT_EQ(w.ValueSuffixPU().ListIndex(), 0);

  w.TestEF().setText("output");
  w.SeriesPU().userChoose(7);
  EXPECT_EQ(w.ValueSuffixPU().ListIndex(), 4);
  EXPECT_EQ(w.ValueSuffixIndex, 4);
  EXPECT_EQ(w.UnitsStartST().Text(), "pF");
  EXPECT_TRUE(w.StartEF().Enabled());
  EXPECT_EQ(w.StartEF().Text(), "0.001");
  EXPECT_EQ(w.StopEF().Text(), "100000000");
  EXPECT_EQ(w.TestEF().Text(), "");
  EXPECT_TRUE(goEnabled());
}

struct AreaCase {
  const char* name;
  const char* lengths[3];
  const char* widths[3];
  const char* lengthTotal;
  const char* widthTotal;
  const char* area;
};

TEST_F(Window1Test, AreaCalculator) {
  // clang-format off
  const AreaCase cases[] = {
      {"sums every row", {"1.5", "2", ""}, {"3", "", ""}, "3.5", "3", "11"},
      {"at the limit", {"999999", "", ""}, {"1", "", ""}, "999999", "1", "999999"},
      {"over the limit", {"999999", "0.5", ""}, {"1", "", ""}, "999999.5", "1", "ERROR"},
      {"negative", {"-2", "", ""}, {"1", "2", ""}, "-2", "3", "-6"},
      {"not numbers", {"abc", "2mm", ""}, {"x", "", "4"}, "2", "4", "8"},
  };
  // clang-format on
  for (const AreaCase& c : cases) {
    for (int k = 0; k < 3; ++k) w.WidthEF(k).userSetText(c.widths[k]);
    for (int k = 0; k < 3; ++k) w.LengthEF(k).userSetText(c.lengths[k]);
    EXPECT_EQ(w.LengthTotEF().Text(), c.lengthTotal) << c.name;
    EXPECT_EQ(w.WidthTotEF().Text(), c.widthTotal) << c.name;
    EXPECT_EQ(w.AreaEF().Text(), c.area) << c.name;
  }
}

TEST_F(Window1Test, AreaUsesTheOtherTotalAsShown) {
  w.LengthEF(0).userSetText("2");
  EXPECT_EQ(w.LengthTotEF().Text(), "2");
  EXPECT_EQ(w.WidthTotEF().Text(), "");
  EXPECT_EQ(w.AreaEF().Text(), "0");
  w.WidthTotEF().setText("5");
  w.LengthEF(1).userSetText("1");
  EXPECT_EQ(w.AreaEF().Text(), "15");
  // A total beyond the number range times an empty side is no area at all.
  w.WidthTotEF().setText("1e400");
  w.LengthEF(0).userSetText("");
  w.LengthEF(1).userSetText("");
  EXPECT_EQ(w.LengthTotEF().Text(), "0");
  EXPECT_EQ(w.AreaEF().Text(), "ERROR");
}

}  // namespace
