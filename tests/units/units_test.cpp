// The units library: series snapping, the value formatters and the unit tables they read, from
// texts and values worked out by hand and the standard series; the reach of the tables; and
// values, digit counts and modes that no caller passes.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "framework/exceptions.h"
#include "framework/headlessbackend.h"
#include "framework/runtime.h"
#include "tables.h"
#include "units/evalue.h"
#include "units/multipliercodes.h"
#include "units/pointlettercodes.h"
#include "units/ranges.h"
#include "units/unittable.h"
#include "units/valuetexts.h"

namespace {

using namespace units;
using tables::rowsOf;

// The IEC 60063 series and the 1-2-5 series by values per decade: the significant digits of one
// decade, as the standard lists them.
std::map<int, std::vector<int>> standardSeries() {
  std::map<int, std::vector<int>> series;
  for (const auto& row : rowsOf("units/eseries.tsv")) {
    for (size_t i = 1; i < row.cells.size(); ++i)
      series[std::stoi(row[0])].push_back(std::stoi(row[i]));
  }
  return series;
}

// Every standard value of every decade from 10^-3 to 10^9 snaps to itself in every mode, and a
// value just above one (below the next) goes to the next (this one) when the mode snaps up (down).
// The last value's upper neighbour is the next decade's first.
TEST(Evalue, ReproducesTheStandardSeriesInEveryDecade) {
  for (const auto& [perDecade, values] : standardSeries()) {
    for (int decade = -3; decade <= 9; ++decade) {
      const double unit = std::pow(10.0, decade) / values[0];
      for (size_t k = 0; k < values.size(); ++k) {
        const double a = values[k] * unit;
        const double b = (k + 1 < values.size() ? values[k + 1] : 10 * values[0]) * unit;
        const auto expect = [&](double value, int mode, double expected) {
          EXPECT_NEAR(Evalue(value, perDecade, mode), expected, expected * 1e-12)
              << value << " with " << perDecade << " per decade, mode " << mode;
        };
        for (int mode = 0; mode <= 3; ++mode) expect(a, mode, a);
        expect(a * (1 + 1e-9), 2, b);
        expect(b * (1 - 1e-9), 3, a);
      }
    }
  }
}

TEST(Evalue, YieldsAfterEveryValueItMovesOnTo) {
  fw::HeadlessBackend backend;
  fw::Runtime runtime(backend);
  // E12 at 4.7: the search starts at 39, the series value below; the step to 47 comes nearer.
  EXPECT_NEAR(Evalue(4.7, 12, 0, fw::Yield), 4.7, 1e-12);
  EXPECT_EQ(backend.yields, 1);
  backend.yields = 0;
  EXPECT_EQ(Evalue(1, 12, 0, fw::Yield), 1.0);  // the series base itself: no step comes nearer
  EXPECT_EQ(backend.yields, 0);
  EXPECT_NEAR(Evalue(4.7, 12, 0), 4.7, 1e-12);  // given no yield, it yields to nothing
  EXPECT_EQ(backend.yields, 0);
}

// The rows of evalue.tsv: value, values per decade, snap mode, expected result.
class EvalueRow : public ::testing::TestWithParam<tables::Row> {};

TEST_P(EvalueRow, GivesTheResultWorkedOutByHand) {
  const tables::Row& row = GetParam();
  const double expected = std::strtod(row[3].c_str(), nullptr);
  EXPECT_NEAR(Evalue(std::strtod(row[0].c_str(), nullptr), std::stoi(row[1]), std::stoi(row[2])),
              expected, std::abs(expected) * 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Rows, EvalueRow, ::testing::ValuesIn(rowsOf("units/evalue.tsv", 4, 3)),
                         tables::nameOf);

// Values no caller passes, at the ends of the double range and beyond it, in every series and
// mode and with counts and modes of none: a result code, 0 or a value, never a crash (the
// sanitizer build also finds undefined behaviour here).
TEST(Evalue, AnyInputGivesAResult) {
  using Limits = std::numeric_limits<double>;
  for (double value :
       {0.0, -0.0, double{NAN}, double{INFINITY}, -double{INFINITY}, Limits::denorm_min(),
        Limits::min(), Limits::max(), Limits::lowest(), 1e-310}) {
    for (int perDecade : {6, 12, 24, 48, 96, 192, 125, INT_MIN, 0, 7, INT_MAX}) {
      for (int mode : {INT_MIN, -1, 0, 1, 2, 3, 4, INT_MAX}) {
        const double got = Evalue(value, perDecade, mode);
        EXPECT_TRUE(got == -1 || got == -2 || got >= 0) << value << " " << perDecade << " " << mode;
      }
    }
  }
}

// The unit tables after the unit choices `choices`, made in this order.
UnitTable tablesAfter(const std::vector<int>& choices) {
  UnitTable t;
  for (int row : choices) InstallUnitRow(t, row);
  return t;
}

// Every formatter, called with a value, a digit count (the number, for the index numbers) and
// the unit tables. "-quiet": the too-small report turned off; "+unit": the unit text appended.
using Formatter = std::function<std::string(double, int, const UnitTable&)>;
const std::map<std::string, Formatter>& formatters() {
  using T = const UnitTable&;
  static const std::map<std::string, Formatter> kAll = {
      {"Double2MMME", [](double v, int n, T) { return Double2MMME(v, n, true); }},
      {"Double2MMME-quiet", [](double v, int n, T) { return Double2MMME(v, n, false); }},
      {"Double20MMME", [](double v, int n, T) { return Double20MMME(v, n); }},
      {"Double2mrkMMME", [](double v, int n, T) { return Double2mrkMMME(v, n); }},
      {"Double2MMKM", [](double v, int n, T) { return Double2MMKM(v, n, true); }},
      {"Double2MMKM-quiet", [](double v, int n, T) { return Double2MMKM(v, n, false); }},
      {"Double2MMVM", [](double v, int n, T) { return Double2MMVM(v, n, true); }},
      {"Double2uHMME", [](double v, int n, T) { return Double2uHMME(v, n); }},
      {"Double2MRMMME", [](double v, int n, T) { return Double2MRMMME(v, n); }},
      {"Double2MMLRKM", [](double v, int n, T) { return Double2MMLRKM(v, n); }},
      {"Double2Mrk0603Code", [](double v, int, T) { return Double2Mrk0603Code(v); }},
      {"Double2EMMM", [](double v, int n, T) { return Double2EMMM(v, n); }},
      {"Double2HumanValue", [](double v, int n, T t) { return Double2HumanValue(v, n, false, t); }},
      {"Double2HumanValue+unit",
       [](double v, int n, T t) { return Double2HumanValue(v, n, true, t); }},
      {"Double2stackpole", [](double v, int n, T t) { return Double2stackpole(v, n, t); }},
      {"Double2spice", [](double v, int, T t) { return Double2spice(v, t); }},
      {"IndexPartNumber1", [](double, int n, T) { return IndexPartNumber1(n); }},
      {"IndexPartNumber01", [](double, int n, T) { return IndexPartNumber01(n); }},
      {"IndexPartNumber001", [](double, int n, T) { return IndexPartNumber001(n); }},
      {"IndexPartNumber0001", [](double, int n, T) { return IndexPartNumber0001(n); }}};
  return kAll;
}

// Every row of codes.tsv: formatter, value, digit count, unit choices, expected text.
class Codes : public ::testing::TestWithParam<tables::Row> {};

TEST_P(Codes, WritesTheTextWorkedOutByHand) {
  const tables::Row& row = GetParam();
  const auto format = formatters().find(row[0]);
  ASSERT_NE(format, formatters().end()) << "no formatter " << row[0];
  std::vector<int> choices;
  std::istringstream in(row[3]);
  for (int choice; in >> choice;) choices.push_back(choice);
  const std::string got = format->second(std::strtod(row[1].c_str(), nullptr),
                                         std::atoi(row[2].c_str()), tablesAfter(choices));
  EXPECT_EQ(got, row[4] == "(empty)" ? "" : row[4]);
}

INSTANTIATE_TEST_SUITE_P(Rows, Codes, ::testing::ValuesIn(rowsOf("units/codes.tsv", 5, 4)),
                         tables::nameOf);

// The EIA-96 code of every E96 value of each of its eight decades: the value's place in the
// series (01 to 96), then the letter of the decade.
TEST(Formatters, Mrk0603CodeGivesTheStandardIndexOfEveryE96Value) {
  const std::vector<int> e96 = standardSeries().at(96);
  for (int decade = 0; decade < 8; ++decade) {
    for (size_t i = 0; i < e96.size(); ++i) {
      const std::string code = (i < 9 ? "0" : "") + std::to_string(i + 1) + "YXABCDEF"[decade];
      EXPECT_EQ(Double2Mrk0603Code(e96[i] * std::pow(10.0, decade - 2)), code);
    }
  }
}

// Any double and any digit count: a text of bounded length, or the out-of-bounds error where a
// unit table ends, never anything else. Under the sanitizers this also finds undefined behaviour.
TEST(Formatters, AnyValueGivesATextOrTheOutOfBoundsError) {
  using Limits = std::numeric_limits<double>;
  // clang-format off
  const double values[] = {
      0.0, -0.0, -1.0, -4.7e-3, NAN, INFINITY, -INFINITY, Limits::denorm_min(), Limits::min(),
      1e-310, 1e-300, 4.7e-200, 1e-150, 1e-30, 2e-7, 0.09997, 999.9999999999999, 4.7e12, 1e30,
      1e150, 1e300, Limits::max(), Limits::lowest()};
  // clang-format on
  for (const auto& [name, format] : formatters()) {
    for (int row = 0; row <= 7; ++row) {
      const UnitTable t = tablesAfter({row});
      for (double v : values) {
        for (int n : {INT_MIN, -5, 0, 1, 2, 3, 4, 9, 200, 1000, INT_MAX}) {
          try {
            const std::string text = format(v, n, t);
            EXPECT_LE(text.size(), 200u) << name << " " << v << " " << n;
            // A value 200 decades down has no digit within a code's reach, whatever digit count
            // is asked for: only zeros may show, never a digit moved up out of its place. (The
            // codes: the formatters with MM in their names, but for the organizer prefix.)
            if (v == 4.7e-200 && n >= 3 && name.find("MM") != std::string::npos &&
                name != "Double2EMMM") {
              EXPECT_EQ(text.find_first_of("123456789"), std::string::npos) << name << " " << n;
            }
          } catch (const fw::OutOfBoundsException&) {
            EXPECT_TRUE(v > 1e20) << name << " " << v;  // only past the tables' last decade
          }
        }
      }
    }
  }
}

// After each unit choice, also one made after another (rows 6 and 7 install no SPICE tables,
// row 3 no organizer prefixes: the defaults serve), the largest value that a formatter reaches
// formats, and the next double up, with the next decade exponent, is refused.
TEST(Ranges, LargestValueIsTheLastValueThatFormats) {
  const std::pair<TableFormatter, const char*> kFormatters[] = {
      {TableFormatter::HumanValue, "Double2HumanValue+unit"},
      {TableFormatter::Stackpole, "Double2stackpole"},
      {TableFormatter::Spice, "Double2spice"}};
  const std::vector<int> choices[] = {{1}, {2}, {3}, {4}, {5}, {6}, {7}, {1, 3}, {2, 5}, {1, 7}};
  for (const auto& rows : choices) {
    const UnitTable t = tablesAfter(rows);
    for (const auto& [formatter, name] : kFormatters) {
      const auto format = [&](double v) { return formatters().at(name)(v, 3, t); };
      const double largest = largestValue(t, formatter);
      EXPECT_FALSE(format(largest).empty()) << name << " after row " << rows.back();
      EXPECT_THROW(format(std::nextafter(largest, INFINITY)), fw::OutOfBoundsException) << name;
    }
  }
  // With the ohm tables, values below 10^21 / 1.0004 ohms.
  const UnitTable ohms = tablesAfter({1});
  EXPECT_FALSE(Double2HumanValue(9.9e20, 3, true, ohms).empty());
  EXPECT_THROW(Double2HumanValue(1e21, 3, true, ohms), fw::OutOfBoundsException);
  EXPECT_THROW(Double2spice(1e21 / 1.0003, ohms), fw::OutOfBoundsException);
}

}  // namespace
