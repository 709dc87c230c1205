// Go on the headless backend: the series walk and its stop, the cells each option writes, the
// progress, the refusals, and what a run leaves behind.

#include <algorithm>

#include "gotest.h"

namespace {

using gotest::columnsOf;
using gotest::deviceLinesOf;
using gotest::linesOf;

// Column n (1-based) of every device line.
std::vector<std::string> column(const std::string& text, size_t n) {
  std::vector<std::string> values;
  for (const auto& line : deviceLinesOf(text)) values.push_back(columnsOf(line).at(n - 1));
  return values;
}

using Texts = std::vector<std::string>;

TEST_F(GoTest, FirstDeviceLineOfTheInitialForm) {
  set({"ValueSuffixPU=1", "RefDesPreCB=R", "SeriesPU=1", "StartEF=10", "StopEF=100"});
  go();
  const auto devices = deviceLinesOf(output());
  ASSERT_FALSE(devices.empty());
  EXPECT_EQ(devices[0],
            "R1\t10Ω\t10Ω 1%\t10\tBourns\tCR0805-FX-10ELF\tAvnet\t10R0\tStackpole\t"
            "RMCF1/10 10 1%R\tAvnet\t10R0\tNIC Components\tNRC10F10TR10F\tAvnet\t10R0\t10.0\t\t\t");
}

// The run stops once the next value passes Stop times one series step times the stop margin.
TEST_F(GoTest, TheSeriesWalkStopsByTheMargin) {
  struct Row {
    const char* series;
    const char* start;
    const char* stop;
    int devices;
    const char* last;  // the last value text
  };
  // clang-format off
  const Row rows[] = {
      {"1", "10", "100", 13, "100Ω"},    // 100 x 1.2115 is above 100 x 1.2115 x 0.89
      {"3", "100", "1000", 48, "953Ω"},  // 953 x 1.0491 = 999.8 is above 996.7
      {"4", "100", "102", 1, "100Ω"},    // 100 x 1.0243 = 102.43 is above 102.39
      {"-1", "10", "100", 0, ""},        // no series: the section lines alone
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string("series ") + row.series + " from " + row.start);
    set({"ValueSuffixPU=1", "RefDesPreCB=R", std::string("SeriesPU=") + row.series,
         std::string("StartEF=") + row.start, std::string("StopEF=") + row.stop});
    go();
    const auto devices = deviceLinesOf(output());
    ASSERT_EQ(devices.size(), static_cast<size_t>(row.devices));
    EXPECT_EQ(linesOf(output()).size(), 9u + row.devices);
    EXPECT_EQ(output().back(), '\n');
    for (size_t i = 0; i < devices.size(); ++i) {
      EXPECT_EQ(columnsOf(devices[i]).size(), 20u) << devices[i];
      EXPECT_EQ(columnsOf(devices[i])[0], "R" + std::to_string(i + 1));
    }
    if (!devices.empty()) {
      EXPECT_EQ(columnsOf(devices.back())[1], row.last);
    }
    EXPECT_EQ(w().DeviceCntST().Text(), std::to_string(row.devices) + " Devices Generated");
    EXPECT_EQ(w().CurrentValueST().Text(), std::string("Last device generated:") + row.last);
  }
}

TEST_F(GoTest, SectionLinesComeFirstInTheirOrder) {
  set({"ValueSuffixPU=1", "RefDesPreCB=R", "StopEF=11"});
  go();
  const auto lines = linesOf(output());
  ASSERT_GE(lines.size(), 9u);
  const Texts markers = {"*_Param_A",  "*_Source_1", "*_Source_2", "*_Source_3", "*_Area_A",
                         "*_Static_1", "*_Static_2", "*_Static_3", "*_Source_4"};
  const std::vector<size_t> fields = {13, 9, 9, 9, 9, 13, 12, 7, 8};
  for (size_t i = 0; i < 9; ++i) {
    EXPECT_EQ(columnsOf(lines[i])[0], markers[i]);
    EXPECT_EQ(columnsOf(lines[i]).size(), fields[i]) << lines[i];
  }
  EXPECT_EQ(lines[0], "*_Param_A\t4\t1\t10\t11\t\t\tFalse\t\t 1%\tR\tFormat 1.02\t1");
  EXPECT_EQ(lines[8], "*_Source_4\t\t1\t\t1\t\t1\tFalse");
  // Go opened the Static Attributes window to read it.
  EXPECT_EQ(columnsOf(lines[5])[2], "PASS");
}

// Column 0 alone active: the other columns' four fields stay empty and the value text follows
// column 0's digit count.
TEST_F(GoTest, ValueFormatsOfTheFirstColumnAlone) {
  struct Row {
    Texts settings;
    Texts partNumbers;
    Texts valueTexts;
  };
  const std::vector<Row> rows = {
      {{"ValFmtPU(0)=13", "SigDigEF(0)=3", "IndexStartEF(0)=5", "StartEF=10", "StopEF=15"},
       {"CR0805-FX-5ELF", "CR0805-FX-6ELF", "CR0805-FX-7ELF"},
       {"10.0Ω", "12.0Ω", "15.0Ω"}},
      {{"ValFmtPU(0)=10", "StartEF=1000", "StopEF=1500"},
       {"CR0805-FX-1K00ELF", "CR0805-FX-1K20ELF", "CR0805-FX-1K50ELF"},
       {"1.00kΩ", "1.20kΩ", "1.50kΩ"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.settings[0]);
    set({"ValueSuffixPU=1", "RefDesPreCB=R", "SeriesPU=1", "ManufCB(1)=", "ManufCB(2)="});
    set(row.settings);
    go();
    EXPECT_EQ(column(output(), 6), row.partNumbers);
    EXPECT_EQ(column(output(), 2), row.valueTexts);
    for (size_t n = 9; n <= 16; ++n) EXPECT_EQ(column(output(), n), Texts(3, "")) << n;
  }
}

TEST_F(GoTest, ThreeDigitValueCodeOf34k) {
  set({"ValueSuffixPU=1", "RefDesPreCB=R", "ValFmtPU(0)=10",
       "ManufCB(1)=", "ManufCB(2)=", "StartEF=34000", "StopEF=34400"});
  go();
  EXPECT_EQ(column(output(), 6), Texts{"CR0805-FX-34K0ELF"});
  EXPECT_EQ(column(output(), 2), Texts{"34.0kΩ"});
}

// The value field is the value text less its unit letter; the unit choice without a unit text
// keeps it whole.
TEST_F(GoTest, ValueFieldByTheUnitChoice) {
  set({"RefDesPreCB=R", "SeriesPU=1", "ValueSuffixPU=4", "StartEF=4700000", "StopEF=5000000"});
  go();
  EXPECT_EQ(column(output(), 2), Texts{"4.7µF"});
  EXPECT_EQ(column(output(), 4), Texts{"4.7µ"});
  set({"ValueSuffixPU=6", "StartEF=4.7", "StopEF=5"});
  go();
  EXPECT_EQ(column(output(), 2), Texts{"4.7p"});
  EXPECT_EQ(column(output(), 4), Texts{"4.7p"});
}

// The name column: the library organizer prefix (1 and 0 for 100 with the two digits of the
// last active column), the first source's part number, then the library-name prefix.
TEST_F(GoTest, NameColumnByTheTwoCheckBoxes) {
  set({"ValueSuffixPU=1", "RefDesPreCB=R", "StartEF=100", "StopEF=102", "LibPreEF=LP-"});
  struct Row {
    const char* organizer;
    const char* partNumber;
    const char* name;
  };
  // clang-format off
  const Row rows[] = {
      {"False", "False", "LP-100Ω"},
      {"True",  "False", "110 LP-100Ω"},
      {"False", "True",  "CR0805-FX-100ELFLP-100Ω"},
      {"True",  "True",  "110 CR0805-FX-100ELFLP-100Ω"},
      {"False", "False", "LP-100Ω"},  // switched off again: the plain prefix is back
  };
  // clang-format on
  for (const Row& row : rows) {
    set({std::string("PreLOCB=") + row.organizer, std::string("PrefixPNCB=") + row.partNumber});
    go();
    EXPECT_EQ(column(output(), 2), Texts{row.name}) << row.organizer << row.partNumber;
  }
}

TEST_F(GoTest, TheTestSeriesListsItsPreset) {
  set({"RefDesPreCB=R", "SeriesPU=7"});
  go();
  const auto lines = deviceLinesOf(output());
  // Every value gives its listing and the template's remaining cells on a line of their own.
  ASSERT_EQ(lines.size(), 46u);
  EXPECT_TRUE(lines[0].starts_with("R1\t0.001\t-3\t100000\tNA\t  Human:")) << lines[0];
  EXPECT_TRUE(lines[44].starts_with("R23\t1e+08\t8\t100000\t")) << lines[44];
  EXPECT_EQ(w().DeviceCntST().Text(), "23 Devices Generated");
  EXPECT_EQ(w().CurrentValueST().Text(), "Last device generated:");
}

// Refreshes come after the 3rd device, then at gaps of 24, 28, 33, 39 devices (each the
// previous times 1.2, fraction dropped), and show the last value.
TEST_F(GoTest, ProgressIsShownAtGrowingIntervals) {
  set({"ValueSuffixPU=1", "RefDesPreCB=R", "SeriesPU=5", "StartEF=1", "StopEF=100000"});
  std::vector<size_t> shown;
  std::string firstStatus;
  std::string seen;
  backend.onYield = [&] {
    const std::string& now = output();
    if (now.empty() || now == seen) return;
    seen = now;
    shown.push_back(deviceLinesOf(now).size());
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

// Refused before the first device: a message in the status text, no output, the count as it was.
TEST_F(GoTest, RefusedRuns) {
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
      {{"close"}, "Choose a unit first"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.message);
    // A fresh window has no unit until one is chosen.
    if (row.settings[0] == "close") w().Close();
    set({"RefDesPreCB=R", "StartEF=10", "StopEF=100"});
    if (row.settings[0] != "close") set(row.settings);
    w().DeviceCntST().setText("as before");
    forceGo();
    EXPECT_EQ(w().CurrentValueST().Text(), row.message);
    EXPECT_TRUE(output().empty());
    EXPECT_EQ(w().DeviceCntST().Text(), "as before");
  }
  EXPECT_TRUE(backend.messages.empty());
}

TEST_F(GoTest, TheWidestRunOfTheOhmTables) {
  set({"ValueSuffixPU=1", "RefDesPreCB=R", "SeriesPU=0", "StartEF=1e19", "StopEF=1e20"});
  go();
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_EQ(column(output(), 2).back(), "100EΩ");
}

// Numbers past the largest 32-bit integer go on counting: no designator or index repeats.
TEST_F(GoTest, CountersPastTheInt32Range) {
  set({"ValueSuffixPU=1", "RefDesPreCB=R", "SeriesPU=1", "StartEF=10", "StopEF=15",
       "RefDesStartEF=2147483647", "ValFmtPU(0)=13", "SigDigEF(0)=2", "IndexStartEF(0)=1e11"});
  go();
  EXPECT_EQ(column(output(), 1), (Texts{"R2147483647", "R2147483648", "R2147483649"}));
  EXPECT_EQ(column(output(), 6), (Texts{"CR0805-FX-2147483647ELF", "CR0805-FX-2147483648ELF",
                                        "CR0805-FX-2147483649ELF"}));
}

// What a run empties or lists applies to its own lines: a second run writes what a fresh window
// writes for the same form.
TEST_F(GoTest, ARunLeavesTheTemplateAsTheFormKeepsIt) {
  const Texts form = {"ValueSuffixPU=1", "RefDesPreCB=R", "SeriesPU=1", "StartEF=10", "StopEF=15"};
  const Texts earlier[] = {{"ManufCB(1)="}, {"SeriesPU=7"}};
  for (const Texts& first : earlier) {
    SCOPED_TRACE(first[0]);
    set(form);
    set(first);
    go();
    set(form);
    set("ManufCB(1)=Stackpole");
    go();
    const std::string again = output();
    w().Close();
    set(form);
    go();
    gotest::expectSameText(again, output());
    EXPECT_EQ(w().EndOfOutLineArray, 47);
  }
}

TEST_F(GoTest, GoPressedDuringARunDoesNothing) {
  set({"ValueSuffixPU=1", "RefDesPreCB=R", "SeriesPU=1", "StartEF=10", "StopEF=100"});
  go();
  const std::string alone = output();
  int presses = 0;
  backend.onYield = [&] {
    if (presses++ < 3) w().PushButton1().userClick();
  };
  go();
  backend.onYield = nullptr;
  gotest::expectSameText(output(), alone);
}

TEST_F(GoTest, ClosingTheWindowEndsItsRun) {
  set({"ValueSuffixPU=1", "RefDesPreCB=R", "SeriesPU=5", "StartEF=1", "StopEF=100000"});
  int yields = 0;
  backend.onYield = [&] {
    if (++yields == 200) w().Close();
  };
  go();
  backend.onYield = nullptr;
  EXPECT_LT(yields, 1000);
  EXPECT_TRUE(output().empty());  // a fresh window
}

}  // namespace
