// Go on the headless backend: the series walk and its stop, the cells each option writes, the
// progress, the refusals, and what a run leaves behind.

#include "generate/go.h"

#include <cctype>
#include <functional>
#include <new>
#include <stdexcept>

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

// Refused before the first device: a message in the status text, no output and no count; the
// widest run of the ohm tables goes through, and so does a text just inside the size limit.
TEST_F(GoTest, RangesTheUnitCannotWriteAreRefused) {
  struct Row {
    Texts settings;
    std::string message;
  };
  const std::uint64_t limit = generate::kMaxTextBytes;
  // E12 from 10 to 100 ohm: 13 device lines, each holding the first column's part-number prefix
  // once, as the section lines do.
  const auto withPrefix = [](std::uint64_t bytes) {
    return Texts{"ValueSuffixPU=1", "SeriesPU=1", "PrefixEF(0)=" + std::string(bytes, 'P')};
  };
  const std::vector<Row> rows = {
      {{"ValueSuffixPU=1", "StartEF=0.00005"}, "Start is too small"},
      {{"ValueSuffixPU=1", "StopEF=1e25"}, "Stop is too large for the chosen unit"},
      // 10^24 mΩ is 10^21 Ω, one decade past the milliohm tables.
      {{"ValueSuffixPU=2", "StopEF=1e24"}, "Stop is too large for the chosen unit"},
      {{"ValueSuffixPU=1", "StopEF=1e999"}, "Stop is too large for the chosen unit"},
      {{}, "Choose a unit first"},  // a fresh window has no unit until one is chosen
      // 14 prefixes of a quarter of the limit each: three and a half times the limit.
      {withPrefix(limit / 4), "The text would be about " + generate::sizeText(limit * 7 / 2) +
                                  "; Go writes at most " + generate::sizeText(limit)},
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
    EXPECT_TRUE(w().DeviceCntST().Text().empty());
  }
  w().Close();
  set(kOhms);
  set({"SeriesPU=0", "StartEF=1e19", "StopEF=1e20"});
  go();
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_TRUE(column(output(), 2).ends_with("|100EΩ"));

  // 14 prefixes and 2 KB to spare for the rest of each line.
  set(withPrefix(limit / 14 - 2048));
  go();
  EXPECT_EQ(w().DeviceCntST().Text(), "13 Devices Generated");
  EXPECT_LE(output().size(), limit);
  EXPECT_GT(output().size(), limit - 32 * 1024);
}

// Sizes in the status text, 1 KB being 1024 bytes.
TEST_F(GoTest, SizesAreWrittenAsTheUserReadsThem) {
  using generate::sizeText;
  EXPECT_EQ(sizeText(1023), "1023 bytes");
  EXPECT_EQ(sizeText(1536), "1.5 KB");
  EXPECT_EQ(sizeText(10188), "9.9 KB");   // 9.949 KB
  EXPECT_EQ(sizeText(741431), "724 KB");  // 724.05 KB
  EXPECT_EQ(sizeText(64 << 20), "64 MB");
  EXPECT_EQ(sizeText(1818658093), "1.7 GB");  // 1.694 GB
}

// A run that fails part-way leaves no text, not even what a progress refresh showed, and no
// count, and says so.
TEST_F(GoTest, ARunThatFailsKeepsNoText) {
  struct Row {
    std::function<void()> fault;
    const char* message;
  };
  const Row rows[] = {
      {[] { throw std::bad_alloc(); }, "Go stopped part-way (out of memory) and kept no text"},
      {[] { throw std::runtime_error("lost"); }, "Go stopped part-way and kept no text"},
  };
  set(kOhms);
  set({"SeriesPU=1", "StartEF=10", "StopEF=100"});
  for (const Row& row : rows) {
    SCOPED_TRACE(row.message);
    w().DeviceCntST().setText("as before");
    bool shown = false;
    backend.onYield = [&] {
      if (!output().empty()) shown = true;
      if (shown) row.fault();
    };
    go();
    backend.onYield = nullptr;
    EXPECT_TRUE(shown);
    EXPECT_TRUE(output().empty());
    EXPECT_TRUE(w().DeviceCntST().Text().empty());
    EXPECT_EQ(w().CurrentValueST().Text(), row.message);
  }
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

// A press of Go inside a run does nothing: no second run writes the output meanwhile. Closing the
// window inside a run ends it.
TEST_F(GoTest, NothingHappensInsideARun) {
  set(kOhms);
  set({"SeriesPU=1", "StartEF=10", "StopEF=100"});
  go();
  const std::string alone = output();
  int yields = 0;
  backend.onYield = [&] {
    if (++yields >= 4) return;
    const std::string before = output();
    w().PushButton1().userClick();
    EXPECT_EQ(output(), before);
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
