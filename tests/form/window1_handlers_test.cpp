#include <functional>
#include <string>

#include "formtest.h"

namespace {

struct Edit {
  const char* what;
  std::function<void(form::Window1&)> act;
  bool resets;
  bool checksGo;
  int cell = -1;  // the template cell the edit writes, and the text it gets
  const char* text = "";
};

// Every edit keeps the form ready for Go, so a handler that checks the form enables the button
// that the test disabled before the edit; one that does not leaves it disabled. An edit writes
// at most its own cell of the template (cells of source column i at 10 * i + 10 to 16); either
// naming option puts the plain library-name prefix back into cell 0, which Go rewrites. The
// cells that the Open handlers seed are checked with the template after start-up.
TEST_F(Window1Test, EditsEmptyTheOutputAndSomeCheckTheFormForGo) {
  using W = form::Window1;
  // clang-format off
  const Edit edits[] = {
      {"Start", [](W& f) { f.StartEF().userSetText("12"); }, true, true},
      {"Stop", [](W& f) { f.StopEF().userSetText("120"); }, true, true},
      {"series", [](W& f) { f.SeriesPU().userChoose(2); }, true, false},
      {"unit", [](W& f) { f.ValueSuffixPU().userChoose(3); }, true, true},
      {"lib prefix", [](W& f) { f.LibPreEF().userSetText("A"); }, true, false, 0, "A"},
      {"lib suffix", [](W& f) { f.LibSufEF().userSetText("B"); }, true, false, 2, "B"},
      {"value prefix", [](W& f) { f.ValPreEF().userSetText("C"); }, true, false, 4, "C"},
      {"value suffix", [](W& f) { f.ValSufEF().userSetText("D"); }, true, false, 6, "D"},
      {"manufacturer chosen", [](W& f) { f.ManufCB(1).userChoose(5); }, true, true, 20, "Vishay"},
      {"manufacturer committed", [](W& f) { f.ManufCB(2).userType("X"); f.ManufCB(2).userCommit(); }, true, true, 30, "X"},
      {"manufacturer typed", [](W& f) { f.ManufCB(0).userType("Vishay"); }, false, false, 10, "Vishay"},
      {"part prefix", [](W& f) { f.PrefixEF(2).userSetText("E"); }, true, false, 32, "E"},
      {"value format", [](W& f) { f.ValFmtPU(1).userChoose(4); }, true, true},
      {"part suffix", [](W& f) { f.SuffixEF(0).userSetText("F"); }, true, false, 14, "F"},
      {"vendor", [](W& f) { f.VendorEF(1).userSetText("G"); }, true, false, 26, "G"},
      {"marking", [](W& f) { f.MrkPU(2).userChoose(1); }, true, false},
      {"sig digits", [](W& f) { f.SigDigEF(2).userSetText("3"); }, true, true},
      {"index start", [](W& f) { f.IndexStartEF(1).userSetText("5"); }, true, false},
      {"ref des chosen", [](W& f) { f.RefDesPreCB().userChoose(2); }, true, true},
      {"ref des typed", [](W& f) { f.RefDesPreCB().userType("Q"); }, false, false},
      {"ref des start", [](W& f) { f.RefDesStartEF().userSetText("7"); }, true, false},
      {"spice prefix chosen", [](W& f) { f.SpiceRefDesPreCB().userChoose(1); }, true, true},
      {"spice prefix typed", [](W& f) { f.SpiceRefDesPreCB().userType("X"); }, false, false},
      {"spice parameters", [](W& f) { f.SpiceParamEF().userSetText("TC=0"); }, true, false},
      {"organizer option",
       [](W& f) { f.OutputLineArray[0] = "run"; f.PreLOCB().userClick(); }, true, false, 0, "A"},
      {"part number option",
       [](W& f) { f.OutputLineArray[0] = "run"; f.PrefixPNCB().userClick(); }, true, false, 0, "A"},
      {"length", [](W& f) { f.LengthEF(2).userSetText("1"); }, true, false},
      {"width", [](W& f) { f.WidthEF(0).userSetText("1"); }, true, false},
      {"length total", [](W& f) { f.LengthTotEF().setText("4"); }, true, false},
      {"width total", [](W& f) { f.WidthTotEF().setText("4"); }, true, false},
      {"area", [](W& f) { f.AreaEF().userSetText("16"); }, true, false},
  };
  // clang-format on
  fillInForGo();
  for (const Edit& edit : edits) {
    SCOPED_TRACE(edit.what);
    w.TestEF().userSetText("R1\tresult");
    w.PushButton1().setEnabled(false);
    const fw::Array<std::string> before = w.OutputLineArray;
    edit.act(w);
    EXPECT_EQ(w.TestEF().Text(), edit.resets ? "" : "R1\tresult");
    EXPECT_EQ(goEnabled(), edit.checksGo);
    for (int cell = 0; cell <= form::kTemplateLastCell; ++cell) {
      EXPECT_EQ(w.OutputLineArray[cell], cell == edit.cell ? edit.text : before[cell]) << cell;
    }
  }
  // The format and marking choices stand at the cell they govern; no format row is -1.
  EXPECT_EQ(w.ResCodeFormat[23], 4);
  EXPECT_EQ(w.MrkFormat[38], 1);
  w.ValFmtPU(1).setListIndex(-1);
  EXPECT_EQ(w.ResCodeFormat[23], -1);
}

TEST_F(Window1Test, IndexFormatsEnableTheirOwnColumnsFields) {
  for (int row : {13, 14, 15, 16}) {
    w.ValFmtPU(1).userChoose(row);
    for (int column = 0; column < 3; ++column) {
      EXPECT_EQ(w.SigDigEF(column).Enabled(), column == 1) << row;
      EXPECT_EQ(w.IndexStartEF(column).Enabled(), column == 1) << row;
    }
  }
  w.SigDigEF(1).userSetText("3");
  w.ValFmtPU(1).setListIndex(-1);  // no row: left as they are
  EXPECT_TRUE(w.SigDigEF(1).Enabled());
  w.ValFmtPU(1).userChoose(12);
  EXPECT_FALSE(w.SigDigEF(1).Enabled());
  EXPECT_FALSE(w.IndexStartEF(1).Enabled());
  EXPECT_EQ(w.SigDigEF(1).Text(), "3");
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
      {"beyond the number range", {"1e308", "1e308", ""}, {"", "", ""}, "INF", "0", "ERROR"},
  };
  // clang-format on
  for (const AreaCase& c : cases) {
    for (int k = 0; k < 3; ++k) w.WidthEF(k).userSetText(c.widths[k]);
    for (int k = 0; k < 3; ++k) w.LengthEF(k).userSetText(c.lengths[k]);
    EXPECT_EQ(w.LengthTotEF().Text(), c.lengthTotal) << c.name;
    EXPECT_EQ(w.WidthTotEF().Text(), c.widthTotal) << c.name;
    EXPECT_EQ(w.AreaEF().Text(), c.area) << c.name;
  }
  // The area is that of the totals as shown, also of one typed over; a total beyond the number
  // range gives no area, whichever side is typed last.
  w.WidthTotEF().setText("5");
  w.LengthEF(0).userSetText("3");
  w.LengthEF(1).userSetText("");
  EXPECT_EQ(w.AreaEF().Text(), "15");
  w.LengthEF(0).userSetText("-1e308");
  w.LengthEF(1).userSetText("-1e308");
  w.WidthEF(2).userSetText("-2");
  EXPECT_EQ(w.LengthTotEF().Text(), "-INF");
  EXPECT_EQ(w.AreaEF().Text(), "ERROR");
}

}  // namespace
