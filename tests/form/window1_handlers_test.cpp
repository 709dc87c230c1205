// The main window's handlers, from the tables in tests/data/form: what each edit empties, checks
// and writes; the unit choice, the index fields, the test series preset, the area calculator and
// the check that enables Go.

#include <string>

#include "formtest.h"

namespace {

// The edits of edits.tsv, one after another on a form ready for Go.
TEST_F(Window1Test, EditsEmptyTheOutputAndSomeCheckTheFormForGo) {
  w.ValueSuffixPU().userChoose(1);
  w.RefDesPreCB().userChoose(1);
  for (const auto& row : formtest::rowsOf("edits.tsv", 6)) {
    SCOPED_TRACE(row[0]);
    w.TestEF().setText("R1\tresult");
    w.PushButton1().setEnabled(false);
    w.OutputLineArray[0] = "run";
    const fw::Array<std::string> before = w.OutputLineArray;
    for (const auto& step : formtest::split(row[1], ';')) formtest::act(w, step);
    EXPECT_EQ(w.TestEF().Text(), row[2] == "yes" ? "" : "R1\tresult");
    EXPECT_EQ(w.PushButton1().Enabled(), row[3] == "yes");
    for (int cell = 0; cell <= form::kTemplateLastCell; ++cell) {
      EXPECT_EQ(w.OutputLineArray[cell], row[4] == std::to_string(cell) ? row[5] : before[cell])
          << cell;
    }
  }
  w.ValFmtPU(1).setListIndex(-1);  // no format row
  EXPECT_EQ(w.ResCodeFormat[23], -1);
}

// The blank row and no row at all keep the unit table that the last unit installed.
TEST_F(Window1Test, NoUnitKeepsTheTables) {
  w.ValueSuffixPU().userChoose(3);
  const units::UnitTable installed = w.Units;
  for (int none : {0, -1}) {
    w.ValueSuffixPU().setListIndex(none);
    EXPECT_EQ(w.Units.UnitMultiplier, installed.UnitMultiplier);
    EXPECT_EQ(w.Units.DecadeDelta, installed.DecadeDelta);
    EXPECT_EQ(w.Units.UnitsSuffix, "F");
  }
}

// Each table holds changes made on a fresh main window and what it shows afterwards.
class FormTable : public Window1Test, public ::testing::WithParamInterface<std::string> {};

TEST_P(FormTable, ShowsWhatEachChangeLeaves) {
  for (const auto& row : formtest::rowsOf(GetParam() + ".tsv", 3)) {
    SCOPED_TRACE(row[0]);
    form::Window1::Instance().Close();
    const form::Window1& fresh = form::Window1::Instance();
    for (const auto& step : formtest::split(row[1], ';')) formtest::act(fresh, step);
    for (const auto& check : formtest::split(row[2], ';')) formtest::expectThat(fresh, check);
  }
}

INSTANTIATE_TEST_SUITE_P(Window1, FormTable,
                         ::testing::Values("unitchoice", "indexfields", "testseries",
                                           "areacalculator", "checkforgo"),
                         [](const auto& table) { return table.param; });

}  // namespace
