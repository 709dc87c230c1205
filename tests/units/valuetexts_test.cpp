#include "units/valuetexts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "eseries.h"
#include "formatters.h"
#include "readers.h"

namespace {

using units::UnitTable;

UnitTable tablesOf(int row) { return units_test::tablesAfter({row}); }

struct HumanCase {
  int row;
  double value;
  int digits;
  bool withUnits;
  const char* text;
};

// clang-format off
const HumanCase kHuman[] = {
    {1, 4700, 2, false, "4.7k"},    {1, 4700, 3, true, "4.70kΩ"},    {1, 1000, 2, false, "1.0k"},
    {1, 34000, 2, false, "34k"},    {1, 0.47, 2, false, "0.47"},     {1, 470, 2, false, "470"},
    {1, 1000, 2, true, "1.0kΩ"},    {1, 0.01, 2, false, "0.010"},    {1, 7.5e6, 2, false, "7.5M"},
    {1, 1e20, 2, false, "100E"},    {1, 999.9999999999999, 2, false, "1.0k"},
    {2, 100, 2, true, "100mΩ"},     {2, 1500, 2, true, "1.5Ω"},      {2, 0.5, 2, true, "0.50mΩ"},
    {3, 1e5, 2, false, "100n"},     {3, 4.7e5, 2, true, "470nF"},    {3, 1e11, 2, true, ".10F"},
    {4, 1e5, 2, false, ".10µ"},     {4, 4.7e5, 2, false, ".47µ"},    {4, 4.7e5, 2, true, ".47µF"},
    {4, 4.7e4, 2, false, "47000p"}, {5, 1e6, 2, true, "1000mH"},     {5, 0.47, 2, true, "0.47µH"},
    {5, 4.7, 3, true, "4.70µH"},    {6, 4.7e15, 2, false, "4.7k"},   {6, 4.7e15, 2, true, "4.7k"},
    {6, 1000, 2, true, "1.0n"},     {7, 2e5, 2, true, "20000V"},     {7, 5.1, 2, true, "5.1V"},
};
// clang-format on

TEST(Double2HumanValue, WritesDigitsAndThePrefixOfTheDecade) {
  for (const auto& c : kHuman) {
    EXPECT_EQ(units::Double2HumanValue(c.value, c.digits, c.withUnits, tablesOf(c.row)), c.text)
        << "row " << c.row << ", " << c.value;
  }
}

struct StackpoleCase {
  double value;
  int digits;
  const char* text;
};

// clang-format off
const StackpoleCase kStackpole[] = {
    {0.002, 3, "0.002"}, {0.01, 3, "0.01"},  {1.3, 3, "1.3"},   {1000, 3, "1K"},
    {34000, 3, "34K"},   {7.5e6, 3, "7.5M"}, {1000, 4, "1.0K"}, {999.9999999999999, 3, "1K"},
    {10, 2, "10"},       {100, 3, "100"},    {0.1, 3, "0.1"},   {4.7, 2, "4.7"},
    {1.5e9, 2, "1.5G"},  {2.2e18, 3, "2.2E"}, {1.2, 5, "1.20"},
};
// clang-format on

TEST(Double2stackpole, TrimsAtMostTwoZerosAndWritesUpperCase) {
  const UnitTable ohms = tablesOf(1);
  for (const auto& c : kStackpole) {
    EXPECT_EQ(units::Double2stackpole(c.value, c.digits, ohms), c.text) << c.value;
  }
  // Row 3 has no prefixes of its own for this code, whatever row came before it: the farad
  // decades' digits alone.
  const UnitTable farads = units_test::tablesAfter({1, 3});
  EXPECT_EQ(units::Double2stackpole(4.7e5, 3, farads), "470");
  EXPECT_EQ(units::Double2stackpole(1e7, 2, farads), "10");
}

struct SpiceCase {
  int row;
  double value;
  const char* text;
};

// clang-format off
const SpiceCase kSpice[] = {
    {1, 4700, "4.70K"},  {1, 1e6, "1.00Meg"},  {1, 470, "470"},      {1, 47, "47.0"},
    {1, 0.01, "0.0100"}, {1, 2.2e13, "22.0T"}, {2, 470, "470m"},     {2, 4700, "4.70"},
    {2, 1e9, "1.00Meg"}, {2, 4.7e7, "47.0k"},  {2, 100, "100m"},     {2, 2.2e16, "22.0T"},
    {3, 4.7e5, "470n"},  {3, 0.47, "0.470p"},
    {4, 4.7e5, ".470u"}, {4, 4700, "4700p"},   {5, 1e6, "1000m"},    {5, 0.47, "0.470u"},
    {0, 4700, "4700"},   {6, 15, "15.0"},
};
// clang-format on

TEST(Double2spice, ThreeDigitsAndTheSpiceScaleSuffix) {
  for (const auto& c : kSpice) {
    EXPECT_EQ(units::Double2spice(c.value, tablesOf(c.row)), c.text)
        << "row " << c.row << ", " << c.value;
  }
  const std::string zero = units::Double2spice(0, tablesOf(1));
  EXPECT_EQ(zero.substr(0, 2), "0.");
  EXPECT_EQ(zero.find_first_not_of('0', 2), std::string::npos);
}

// Every E96 value of rows 1 to 5, over the decades whose texts show the whole value, reads back
// by the SPICE rules as the value in ohms, farads or henries.
TEST(Double2spice, ReadsBackAsTheValueInItsSiUnit) {
  struct Row {
    int row;
    double si;  // one user's unit in the SI unit
    int lastDecade;
  };
  for (const Row r :
       {Row{1, 1, 16}, Row{2, 1e-3, 19}, Row{3, 1e-12, 16}, Row{4, 1e-12, 16}, Row{5, 1e-6, 7}}) {
    const UnitTable t = tablesOf(r.row);
    for (int decade = -4; decade <= r.lastDecade; ++decade) {
      for (int digits : units_test::kE96) {
        const double value = digits * std::pow(10.0, decade - 2);
        const std::string text = units::Double2spice(value, t);
        const auto read = units_test::readSpiceNumber(text);
        ASSERT_TRUE(read.has_value()) << text;
        EXPECT_NEAR(*read, value * r.si, value * r.si * 1e-9) << "row " << r.row << ": " << text;
      }
    }
  }
}

struct OrganizerCase {
  double value;
  int digits;
  const char* text;
};

// clang-format off
const OrganizerCase kOrganizer[] = {
    {1000, 2, "210"},  {4700, 2, "247"},  {1.3, 2, "-Z13"},  {1e12, 2, "B10"},   {1e10, 2, "910"},
    {1e11, 2, "A10"},  {0.47, 2, "-Y47"}, {1e-25, 2, "-A10"}, {1e36, 2, "Z10"},  {1e37, 2, "10"},
    {1e-26, 2, "-10"}, {4700, 3, "1470"}, {47, 2, "047"},    {2.2e5, 1, "52"},
};
// clang-format on

TEST(Double2EMMM, ExponentCharacterThenDigits) {
  for (const auto& c : kOrganizer) {
    EXPECT_EQ(units::Double2EMMM(c.value, c.digits), c.text) << c.value;
  }
}

}  // namespace
