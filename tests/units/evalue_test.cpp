// Series snapping: the standard series in every decade and mode, the cases worked out by hand,
// values no caller passes, and the yields.

#include "units/evalue.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <tuple>

#include "framework/headlessbackend.h"
#include "framework/runtime.h"
#include "unitstest.h"

namespace {

using namespace fw;
using units::Evalue;

// Every standard value of every decade from 10^-3 to 10^9 snaps to itself in every mode, and a
// value between neighbours a < b goes where the mode says: the square-root boundary
// ((sqrt(a) + sqrt(b)) / 2)^2 in mode 0, the midpoint in mode 1, up in mode 2, down in mode 3.
// The last value's upper neighbour is the next decade's first.
TEST(Evalue, ReproducesTheStandardSeriesInEveryDecade) {
  for (const auto& [perDecade, values] : units_test::standardSeries()) {
    for (int decade = -3; decade <= 9; ++decade) {
      const double unit = std::pow(10.0, decade) / values[0];
      for (size_t k = 0; k < values.size(); ++k) {
        const double a = values[k] * unit;
        const double b = (k + 1 < values.size() ? values[k + 1] : 10 * values[0]) * unit;
        const double root = std::pow((std::sqrt(a) + std::sqrt(b)) / 2, 2), mid = (a + b) / 2;
        // clang-format off
        const std::tuple<double, int, double> cases[] = {
            {a, 0, a}, {a, 1, a}, {a, 2, a}, {a, 3, a}, {root * (1 - 1e-9), 0, a},
            {root * (1 + 1e-9), 0, b}, {mid * (1 - 1e-9), 1, a}, {mid * (1 + 1e-9), 1, b},
            {a * (1 + 1e-9), 2, b}, {b * (1 - 1e-9), 3, a}};
        // clang-format on
        for (const auto& [value, mode, expected] : cases) {
          EXPECT_NEAR(Evalue(value, perDecade, mode), expected, expected * 1e-12)
              << value << " with " << perDecade << " per decade, mode " << mode;
        }
      }
    }
  }
}

TEST(Evalue, YieldsAfterEveryStepOfItsWalkThatGoesOn) {
  HeadlessBackend backend;
  Runtime runtime(backend);
  // E12 at 4.7: the walk takes up at 39, the series value below; the step to 47 comes nearer.
  EXPECT_NEAR(Evalue(4.7, 12, 0), 4.7, 1e-12);
  EXPECT_EQ(backend.yields, 1);
  backend.yields = 0;
  EXPECT_EQ(Evalue(1, 12, 0), 1.0);  // the series base itself: no step comes nearer
  EXPECT_EQ(backend.yields, 0);
}

// The rows of evalue.tsv: value, values per decade, snap mode, expected result.
TEST(Evalue, GivesTheResultsWorkedOutByHand) {
  for (const auto& row : units_test::rows("units/evalue.tsv")) {
    ASSERT_EQ(row.size(), 4u);
    const double expected = std::strtod(row[3].c_str(), nullptr);
    EXPECT_NEAR(Evalue(std::strtod(row[0].c_str(), nullptr), std::stoi(row[1]), std::stoi(row[2])),
                expected, std::abs(expected) * 1e-12)
        << row[0] << " " << row[1] << " " << row[2];
  }
}

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

}  // namespace
