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

// After each unit choice, also one made after another (rows 6 and 7 install no SPICE tables,
// row 3 no organizer prefixes: the defaults serve), the largest value that a formatter reaches
// formats, and the next double up, with the next decade exponent, is refused.
TEST(Ranges, LargestValueIsTheLastValueThatFormats) {
  const std::initializer_list<int> choices[] = {{1}, {2}, {3},    {4},    {5},
                                                {6}, {7}, {1, 3}, {2, 5}, {1, 7}};
  for (const auto& rows : choices) {
    const UnitTable t = units_test::tablesAfter(rows);
    for (auto formatter :
         {TableFormatter::HumanValue, TableFormatter::Stackpole, TableFormatter::Spice}) {
      SCOPED_TRACE(testing::Message() << "row " << *rows.begin() << " of " << rows.size()
                                      << ", formatter " << static_cast<int>(formatter));
      const double largest = units::largestValue(t, formatter);
      const double edge = std::pow(10.0, units::largestDecade(t, formatter) + 1) / 1.0004;
      EXPECT_NEAR(largest, edge, edge * 1e-14);
      EXPECT_FALSE(format(t, formatter, largest).empty());
      EXPECT_THROW(format(t, formatter, std::nextafter(largest, INFINITY)),
                   fw::OutOfBoundsException);
      EXPECT_FALSE(format(t, formatter, 1e-9).empty());
    }
  }
}

TEST(Ranges, TheBoundsGivenForTheOhmChoice) {
  const UnitTable ohms = units_test::tablesAfter({1});
  EXPECT_FALSE(format(ohms, TableFormatter::HumanValue, 9.9e20).empty());
  EXPECT_THROW(format(ohms, TableFormatter::HumanValue, 1e21), fw::OutOfBoundsException);
  EXPECT_THROW(format(ohms, TableFormatter::Spice, 1e21 / 1.0003), fw::OutOfBoundsException);
}

}  // namespace
