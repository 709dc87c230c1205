// Go on the headless backend: the series walk and its stop, the cells each option writes, the
// refusals, the progress, the size limit, failed runs and presses of Go during a run.

#include "generate/go.h"

#include <cctype>
#include <functional>
#include <new>
#include <stdexcept>
#include <utility>

#include "gotest.h"

namespace {

using Texts = std::vector<std::string>;

// The device lines of an output whose every line ends: all lines after the nine section lines.
Texts deviceLinesOf(const std::string& text) {
  Texts lines = tables::split(text, '\n');
  lines.pop_back();  // the empty piece after the last line end
  return lines.size() <= 9 ? Texts{} : Texts(lines.begin() + 9, lines.end());
}

// Column n (1-based) of every device line, joined with "|".
std::string column(const std::string& text, size_t n) {
  std::string values;
  for (const auto& line : deviceLinesOf(text)) values += "|" + tables::split(line, '\t').at(n - 1);
  return values.substr(values.empty() ? 0 : 1);
}

// One column of the device lines of a short run, by the option that writes it, or what a status
// label shows after it: the rows of tests/data/go/columns.tsv ("go" among the settings presses
// Go there).
class Columns : public GoTest, public ::testing::WithParamInterface<tables::Row> {};

TEST_P(Columns, HoldWhatTheOptionsWrite) {
  const tables::Row& row = GetParam();
  for (const auto& setting : tables::split(row[1], ';')) setting == "go" ? go() : set(setting);
  forceGo();
  std::string want = row[3];
  for (size_t i = 4; i < row.cells.size(); ++i) want += "\t" + row[i];
  if (row[2] == "0") {
    EXPECT_EQ(deviceLinesOf(output()).at(0), want);
  } else if (std::isdigit(static_cast<unsigned char>(row[2][0]))) {
    EXPECT_EQ(column(output(), std::stoul(row[2])), want);
  } else {
    EXPECT_EQ(w().get<fw::StaticText>(row[2]).Text(), want);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, Columns, ::testing::ValuesIn(tables::rowsOf("go/columns.tsv")),
                         tables::nameOf);

// Refreshes come after the 3rd device, then at gaps of 24, 28, 33, 39 devices (each the
// previous times 1.2, fraction dropped), and show the last value.
TEST_F(GoTest, ProgressIsShownAtGrowingIntervals) {
  set({"ValueSuffixPU=1", "RefDesPreCB=R", "SeriesPU=5", "StartEF=1", "StopEF=100000"});
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

// A text of exactly the size limit goes through; one past it is refused before the first device,
// and a refusal after a run takes its count away. The form of the golden text
// go/unit1-ohm-e96-eia-preloc (1150 bytes, 5 devices) with a library-name suffix of n
// characters, which the Param_A line and each device line carry: 1150 + 6 n bytes. The estimate
// of the size counts each designator number at 20 characters, so it is over the limit for both.
TEST_F(GoTest, GoWritesAtMostTheSizeLimit) {
  for (const auto& setting : tables::linesOf("go/unit1-ohm-e96-eia-preloc.form")) set(setting);
  const std::size_t n = 11'184'619;  // 1150 + 6 n = 67,108,864 = 64 MB
  set("LibSufEF=" + std::string(n, 'S'));
  go();
  EXPECT_EQ(w().DeviceCntST().Text(), "5 Devices Generated");
  EXPECT_EQ(output().size(), generate::kMaxTextBytes);
  // Counting the text first left the designators to the run: R10 to R14, as in the golden text.
  EXPECT_NE(output().find("\nR14\t210 1.0kΩS"), std::string::npos);
  // 6 bytes more.
  set("LibSufEF=" + std::string(n + 1, 'S'));
  go();
  EXPECT_EQ(w().CurrentValueST().Text(), "The text would be 64.1 MB; Go writes at most 64 MB");
  EXPECT_TRUE(output().empty());
  EXPECT_TRUE(w().DeviceCntST().Text().empty());
}

// The rows of sizes.tsv: sizes in the status text.
class Sizes : public ::testing::TestWithParam<tables::Row> {};

TEST_P(Sizes, AreWrittenAsTheUserReadsThem) {
  const std::uint64_t bytes = std::stoull(GetParam()[1]);
  const bool up = GetParam()[0] == "roundedUpSizeText";
  ASSERT_TRUE(up || GetParam()[0] == "sizeText") << "no function " << GetParam()[0];
  EXPECT_EQ(up ? generate::roundedUpSizeText(bytes) : generate::sizeText(bytes), GetParam()[2]);
}

INSTANTIATE_TEST_SUITE_P(Rows, Sizes, ::testing::ValuesIn(tables::rowsOf("go/sizes.tsv", 3, 2)),
                         tables::nameOf);

// A run that fails part-way leaves no text, not even what a progress refresh showed, and no
// count, and says so, with the reason the failure gives.
TEST_F(GoTest, ARunThatFailsKeepsNoText) {
  const std::pair<std::function<void()>, const char*> rows[] = {
      {[] { throw std::bad_alloc(); }, "Go stopped part-way (out of memory) and kept no text"},
      {[] { throw std::runtime_error("lost"); }, "Go stopped part-way (lost) and kept no text"},
      {[] { throw 42; }, "Go stopped part-way and kept no text"},
  };
  set({"ValueSuffixPU=1", "RefDesPreCB=R", "SeriesPU=1", "StartEF=10", "StopEF=100"});
  for (const auto& [fault, message] : rows) {
    SCOPED_TRACE(message);
    bool shown = false;
    backend.onYield = [&] {
      if (!output().empty()) shown = true;
      if (shown) fault();
    };
    go();
    backend.onYield = nullptr;
    EXPECT_TRUE(shown);
    EXPECT_TRUE(output().empty());
    EXPECT_TRUE(w().DeviceCntST().Text().empty());
    EXPECT_EQ(w().CurrentValueST().Text(), message);
  }
}

// A press of Go inside a run does nothing: no second run writes the output meanwhile.
TEST_F(GoTest, NothingHappensInsideARun) {
  set({"ValueSuffixPU=1", "RefDesPreCB=R", "SeriesPU=1", "StartEF=10", "StopEF=100"});
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
  EXPECT_EQ(output(), alone);
}

}  // namespace
