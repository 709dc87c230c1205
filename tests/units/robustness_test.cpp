// Every formatter and Evalue over values and digit counts that no caller passes: each gives a
// text (or a number), or raises the framework's out-of-bounds error where a unit table ends,
// and never anything else. Run under the sanitizers, this also finds undefined behaviour.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "formatters.h"
#include "framework/exceptions.h"
#include "units/evalue.h"
#include "units/valuetexts.h"

namespace {

using Limits = std::numeric_limits<double>;

// clang-format off
const double kValues[] = {
    0.0, -0.0, -1.0, -4.7e-3, NAN, INFINITY, -INFINITY, Limits::denorm_min(), Limits::min(),
    1e-310, 1e-300, 1e-150, 1e-30, 2e-7, 0.09997, 999.9999999999999, 4.7e12, 1e30, 1e150,
    1e300, Limits::max(), Limits::lowest()};
// clang-format on
const int kDigits[] = {INT_MIN, -5, 0, 1, 2, 3, 4, 9, INT_MAX};

TEST(Robustness, FormattersGiveATextOrTheOutOfBoundsError) {
  std::vector<units::UnitTable> tables(8);
  for (int row = 1; row <= 7; ++row) units::InstallUnitRow(tables[row], row);
  for (double v : kValues) {
    for (int n : kDigits) {
      for (units_test::Form form : units_test::kAllForms) {
        EXPECT_LE(units_test::format(form, v, n).size(), 200u) << v << " " << n;
      }
      for (const std::string& text : {units::Double2EMMM(v, n), units::Double2Mrk0603Code(v),
                                      units::IndexPartNumber01(n), units::IndexPartNumber0001(n)}) {
        EXPECT_LE(text.size(), 200u) << v << " " << n;
      }
      for (const auto& t : tables) {
        for (const auto& f :
             {std::function<std::string()>([&] { return units::Double2HumanValue(v, n, true, t); }),
              std::function<std::string()>([&] { return units::Double2stackpole(v, n, t); }),
              std::function<std::string()>([&] { return units::Double2spice(v, t); })}) {
          try {
            EXPECT_LE(f().size(), 400u);
          } catch (const fw::OutOfBoundsException&) {
            EXPECT_TRUE(v > 1e20) << v;  // only values past the tables' last decade
          }
        }
      }
    }
  }
}

TEST(Robustness, ValuesWithoutDigitsGiveTheEmptyText) {
  for (double v : {-1.0, Limits::quiet_NaN(), Limits::infinity(), -Limits::infinity(), 1e-310}) {
    EXPECT_EQ(units::Double2MMKM(v, 2, true), "");
    EXPECT_EQ(units::Double2MMME(v, 2, true), "");
    EXPECT_EQ(units::Double2HumanValue(v, 2, true, units::UnitTable{}), "");
    EXPECT_EQ(units::Double2spice(v, units::UnitTable{}), "");
  }
}

// A value 200 decades down has no digit within any code's reach, whatever digit count is asked
// for: only zeros may show, never a digit moved up out of its place.
TEST(Robustness, ATinyValueShowsOnlyZeros) {
  for (units_test::Form form : units_test::kAllForms) {
    for (int n : {3, 200, 1000, INT_MAX}) {
      const std::string code = units_test::format(form, 4.7e-200, n);
      EXPECT_EQ(code.find_first_of("123456789"), std::string::npos) << code;
    }
  }
}

TEST(Robustness, EvalueGivesANumberForAnyInput) {
  for (double v : kValues) {
    for (int perDecade : {6, 12, 24, 48, 96, 192, 125, 0, -1, INT_MAX}) {
      for (int mode : {0, 1, 2, 3, 4, INT_MIN}) {
        const double snapped = units::Evalue(v, perDecade, mode);
        EXPECT_FALSE(std::isnan(snapped)) << v << " " << perDecade << " " << mode;
      }
    }
  }
}

}  // namespace
