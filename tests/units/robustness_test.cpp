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

#include "framework/exceptions.h"
#include "units/evalue.h"
#include "units/multipliercodes.h"
#include "units/pointlettercodes.h"
#include "units/valuetexts.h"

namespace {

using Limits = std::numeric_limits<double>;

const double kValues[] = {0.0,           -0.0,
                          -1.0,          -4.7e-3,
                          NAN,           INFINITY,
                          -INFINITY,     Limits::denorm_min(),
                          Limits::min(), 1e-310,
                          1e-300,        1e-150,
                          1e-30,         2e-7,
                          0.09997,       999.9999999999999,
                          4.7e12,        1e30,
                          1e150,         1e300,
                          Limits::max(), Limits::lowest()};
const int kDigits[] = {INT_MIN, -5, 0, 1, 2, 3, 4, 9, INT_MAX};

TEST(Robustness, FormattersGiveATextOrTheOutOfBoundsError) {
  std::vector<units::UnitTable> tables(8);
  for (int row = 1; row <= 7; ++row) units::InstallUnitRow(tables[row], row);
  for (double v : kValues) {
    for (int n : kDigits) {
      const std::function<std::string()> free[] = {
          [&] { return units::Double2EMMM(v, n); },
          [&] { return units::Double2MMME(v, n, true); },
          [&] { return units::Double20MMME(v, n); },
          [&] { return units::Double2mrkMMME(v, n); },
          [&] { return units::Double2Mrk0603Code(v); },
          [&] { return units::Double2MMKM(v, n, true); },
          [&] { return units::Double2MMVM(v, n, false); },
          [&] { return units::Double2uHMME(v, n); },
          [&] { return units::Double2MRMMME(v, n); },
          [&] { return units::Double2MMLRKM(v, n); },
          [&] { return units::IndexPartNumber01(n); },
          [&] { return units::IndexPartNumber0001(n); },
      };
      for (const auto& f : free) EXPECT_LE(f().size(), 200u) << v << " " << n;
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
