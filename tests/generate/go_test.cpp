// Go on the headless backend: the series walk and its stop, the cells each option writes, the
// progress, the refusals, and what a run leaves behind.

#include <cctype>

#include "gotest.h"

namespace {

using gotest::columnsOf;
using gotest::deviceLinesOf;
using Texts = std::vector<std::string>;

// Column n (1-based) of every device line, joined with "|".
std::string column(const std::string& text, size_t n) {
  std::string values;
  bool first = true;
  for (const auto& line : deviceLinesOf(text)) {
    values += (first ? "" : "|") + columnsOf(line).at(n - 1);
    first = false;
  }
  return values;
}

// Ohms and the designator prefix R, then `settings`, on a fresh main window.
const Texts kOhms = {"ValueSuffixPU=1", "RefDesPreCB=R"};
// One column of the device lines of a short run, by the option that writes it, or what a status
// label shows after it: the rows of tests/data/go/columns.tsv ("go" among the settings presses
// Go there).
TEST_F(GoTest, ColumnsByTheirOptions) {
  for (const auto& row : tables::rowsOf("go/columns.tsv")) {
    ASSERT_GE(row.size(), 4u);
    SCOPED_TRACE(row[0]);
    w().Close();
    for (const auto& setting : tables::split(row[1], ';')) setting == "go" ? go() : set(setting);
    forceGo();
    std::string want = row[3];
    for (size_t i = 4; i < row.size(); ++i) want += "\t" + row[i];
    if (row[2] == "0") {
      EXPECT_EQ(deviceLinesOf(output()).at(0), want);
    } else if (std::isdigit(static_cast<unsigned char>(row[2][0]))) {
      EXPECT_EQ(column(output(), std::stoul(row[2])), want);
    } else {
      EXPECT_EQ(w().get<fw::StaticText>(row[2]).Text(), want);
    }
  }
}

// Refreshes come after the 3rd device, then at gaps of 24, 28, 33, 39 devices (each the
// previous times 1.2, fraction dropped), and show the last value.
TEST_F(GoTest, ProgressIsShownAtGrowingIntervals) {
  set(kOhms);
  set({"SeriesPU=5", "StartEF=1", "StopEF=100000"});
  std::vector<size_t> shown;
  std::string firstStatus, seen;
  backend.onYield = [&] {
    if (output().empty() || output() == seen) return;
    seen = output();
    shown.push_back(deviceLinesOf(seen).size());
    if (firstStatus.empty()) firstStatus = w().CurrentValueST().Text();
  };
  go();
  backend.onYield = nullptr;
  ASSERT_GE(shown.size(), 5u);
  EXPECT_EQ(std::vector<size_t>(shown.begin(), shown.begin() + 5),
            (std::vector<size_t>{3, 27, 55, 88, 127}));
  EXPECT_EQ(firstStatus, "Last device generated so far:1.0Ω");
  EXPECT_EQ(w().DeviceCntST().Text(), "961 Devices Generated");
}

// Refused before the first device: a message in the status text, no output, the count as it
// was; the widest run of the ohm tables goes through.
TEST_F(GoTest, RangesTheUnitCannotWriteAreRefused) {
  struct Row {
    Texts settings;
    const char* message;
  };
  const std::vector<Row> rows = {
      {{"ValueSuffixPU=1", "StartEF=0.00005"}, "Start is too small"},
      {{"ValueSuffixPU=1", "StopEF=1e25"}, "Stop is too large for the chosen unit"},
      // 10^24 mΩ is 10^21 Ω, one decade past the milliohm tables.
      {{"ValueSuffixPU=2", "StopEF=1e24"}, "Stop is too large for the chosen unit"},
      {{"ValueSuffixPU=1", "StopEF=1e999"}, "Stop is too large for the chosen unit"},
      {{}, "Choose a unit first"},  // a fresh window has no unit until one is chosen
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.message);
    w().Close();
    set({"RefDesPreCB=R", "StartEF=10", "StopEF=100"});
    set(row.settings);
    w().DeviceCntST().setText("as before");
    forceGo();
    EXPECT_EQ(w().CurrentValueST().Text(), row.message);
    EXPECT_TRUE(output().empty());
    EXPECT_EQ(w().DeviceCntST().Text(), "as before");
  }
  set(kOhms);
  set({"SeriesPU=0", "StartEF=1e19", "StopEF=1e20"});
  go();
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_TRUE(column(output(), 2).ends_with("|100EΩ"));
}

// What a run empties or lists applies to its own lines: a second run writes what a fresh window
// writes for the same form.
TEST_F(GoTest, ARunLeavesTheTemplateAsTheFormKeepsIt) {
  const Texts form = {"ValueSuffixPU=1", "RefDesPreCB=R", "SeriesPU=1",
                      "StartEF=10",      "StopEF=15",     "ManufCB(1)=Stackpole"};
  for (const char* earlier : {"ManufCB(1)=", "SeriesPU=7"}) {
    SCOPED_TRACE(earlier);
    set(form);
    set(earlier);
    go();
    set(form);
    go();
    const std::string again = output();
    w().Close();
    set(form);
    go();
    gotest::expectSameText(again, output());
  }
}

// A press of Go inside a run does nothing; closing the window inside a run ends it.
TEST_F(GoTest, NothingHappensInsideARun) {
  set(kOhms);
  set({"SeriesPU=1", "StartEF=10", "StopEF=100"});
  go();
  const std::string alone = output();
  int yields = 0;
  backend.onYield = [&] {
    if (++yields < 4) w().PushButton1().userClick();
  };
  go();
  gotest::expectSameText(output(), alone);

  set({"SeriesPU=5", "StartEF=1", "StopEF=100000"});
  yields = 0;
  backend.onYield = [&] {
    if (++yields == 200) w().Close();
  };
  go();
  backend.onYield = nullptr;
  EXPECT_LT(yields, 1000);
  EXPECT_TRUE(output().empty());  // a fresh window
}

}  // namespace
