#include "units/digits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using units::valueDigits;

struct DigitsCase {
  double value;
  const char* s;
  double d;
};

// clang-format off
const DigitsCase kDigits[] = {
    {4.7, "47000", 0},      {34000, "34000", 4},        {0.002, "20000", -3},
    {1000, "100000", 3},    {999.9999999999999, "100000", 3},   // rounding noise: decade above
    {0.09997, "99970", -1}, {920 * 1e-2, "92000", 0},  {1.3, "13000", 0},
    {7.5e6, "75000", 6},    {1e12, "100000", 12},       {4.7e-7, "47000", -7},
};
// clang-format on

TEST(ValueDigits, DigitStringAndDecadeExponent) {
  for (const auto& c : kDigits) {
    const auto v = valueDigits(c.value);
    ASSERT_TRUE(v.has_value()) << c.value;
    EXPECT_EQ(v->s, c.s) << c.value;
    EXPECT_EQ(v->d, c.d) << c.value;
  }
}

TEST(ValueDigits, NothingForValuesWithoutDigits) {
  using Limits = std::numeric_limits<double>;
  for (double bad : {0.0, -0.0, -4.7, Limits::quiet_NaN(), Limits::infinity(), -Limits::infinity(),
                     1e-320, Limits::max()}) {
    EXPECT_FALSE(valueDigits(bad).has_value()) << bad;
  }
}

struct RFormCase {
  double value;
  int n;
  int cut;
  const char* rForm;
  const char* leadingZero;
};

// clang-format off
const RFormCase kRForms[] = {
    {1.3,   2, 3, "1R3",  "1R3"},  {0.01,  2, 3, "R01",  "0R0"},  {0.47,  2, 3, "R47", "0R4"},
    {1.3,   3, 4, "1R30", "1R30"}, {0.01,  3, 4, "R010", "0R01"}, {0.002, 3, 4, "R002", "0R00"},
    {47,    3, 4, "47R0", "47R0"}, {0.47,  3, 4, "R470", "0R47"}, {1,     3, 4, "1R00", "1R00"},
    // Further down the zeros ahead of the digits keep them in place.
    {2e-5,  4, 7, "R000020", "0R00002"},
};
// clang-format on

TEST(ValueDigits, RForms) {
  for (const auto& c : kRForms) {
    const auto v = valueDigits(c.value);
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(units::rForm(*v, c.n, c.cut), c.rForm) << c.value;
    EXPECT_EQ(units::leadingZeroRForm(*v, c.n, c.cut), c.leadingZero) << c.value;
  }
  // With an absurd digit count the text is cut short, but never shows a digit out of its place:
  // 4.7 x 10^-200 has nearly 200 zeros ahead of its digits.
  const auto tiny = valueDigits(4.7e-200);
  ASSERT_TRUE(tiny.has_value());
  for (const std::string& code :
       {units::rForm(*tiny, 1000, 1001), units::leadingZeroRForm(*tiny, 1000, 1001)}) {
    EXPECT_EQ(code.substr(code.find('R') + 1).find_first_not_of('0'), std::string::npos) << code;
  }
}

}  // namespace
