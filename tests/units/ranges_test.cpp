#include "units/ranges.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "formatters.h"
#include "framework/exceptions.h"
#include "units/valuetexts.h"

namespace {

using units::TableFormatter;
using units::UnitTable;

std::string format(const UnitTable& t, TableFormatter formatter, double value) {
  switch (formatter) {
    case TableFormatter::HumanValue:
      return units::Double2HumanValue(value, 3, true, t);
    case TableFormatter::Stackpole:
      return units::Double2stackpole(value, 3, t);
    case TableFormatter::Spice:
      return units::Double2spice(value, t);
  }
  return {};
}

struct BoundCase {
  std::initializer_list<int> rows;  // the unit choices made, in order
  TableFormatter formatter;
  int largestDecade;
};

// clang-format off
const BoundCase kBounds[] = {
    {{1}, TableFormatter::HumanValue, 20},  {{2}, TableFormatter::HumanValue, 23},
    {{3}, TableFormatter::HumanValue, 26},  {{4}, TableFormatter::HumanValue, 26},
    {{5}, TableFormatter::HumanValue, 26},  {{6}, TableFormatter::HumanValue, 26},
    {{7}, TableFormatter::HumanValue, 30},  {{1}, TableFormatter::Spice, 20},
    {{2}, TableFormatter::Spice, 23},       {{3}, TableFormatter::Spice, 26},
    {{4}, TableFormatter::Spice, 26},       {{5}, TableFormatter::Spice, 26},
    {{1}, TableFormatter::Stackpole, 20},   {{2}, TableFormatter::Stackpole, 20},
    {{3}, TableFormatter::Stackpole, 35},   {{1, 3}, TableFormatter::Stackpole, 35},
    {{5}, TableFormatter::Stackpole, 46},   {{2, 5}, TableFormatter::Stackpole, 46},
    {{6}, TableFormatter::Stackpole, 26},   {{7}, TableFormatter::Stackpole, 30},
    // Rows 6 and 7 install no SPICE tables: the defaults, whatever was chosen before.
    {{6}, TableFormatter::Spice, 49},       {{1, 7}, TableFormatter::Spice, 49},
};
// clang-format on

// The largest value formats; the next double up has the next decade exponent, past the table.
TEST(Ranges, LargestValueIsTheLastValueThatFormats) {
  for (const auto& c : kBounds) {
    SCOPED_TRACE(testing::Message()
                 << "row " << *c.rows.begin() << ", formatter " << static_cast<int>(c.formatter));
    const UnitTable t = units_test::tablesAfter(c.rows);
    EXPECT_EQ(units::largestDecade(t, c.formatter), c.largestDecade);
    const double largest = units::largestValue(t, c.formatter);
    const double edge = std::pow(10.0, c.largestDecade + 1) / 1.0004;
    EXPECT_NEAR(largest, edge, edge * 1e-14);
    EXPECT_FALSE(format(t, c.formatter, largest).empty());
    EXPECT_THROW(format(t, c.formatter, std::nextafter(largest, INFINITY)),
                 fw::OutOfBoundsException);
    EXPECT_FALSE(format(t, c.formatter, 1e-9).empty());
  }
}

TEST(Ranges, TheBoundsGivenForTheOhmChoice) {
  const UnitTable ohms = units_test::tablesAfter({1});
  EXPECT_FALSE(format(ohms, TableFormatter::HumanValue, 9.9e20).empty());
  EXPECT_THROW(format(ohms, TableFormatter::HumanValue, 1e21), fw::OutOfBoundsException);
  EXPECT_THROW(format(ohms, TableFormatter::Spice, 1e21 / 1.0003), fw::OutOfBoundsException);
}

}  // namespace
