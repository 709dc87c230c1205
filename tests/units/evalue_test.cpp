// Series snapping: the standard series in every decade and mode, the yields, and the proof that
// the table-driven Evalue gives the same result, bit for bit, as the step-by-step walk it
// replaced, over millions of values in every series and mode.

#include "units/evalue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "framework/headlessbackend.h"
#include "framework/numbers.h"
#include "framework/runtime.h"
#include "unitstest.h"

namespace {

using namespace fw;
using units::Evalue;

struct Series {
  int perDecade;
  double base, digits;  // the first value of a decade, and its digits less one
  std::vector<std::pair<double, double>> corrections;  // computed value, stored value
};

// clang-format off
const Series kSeries[] = {
    {6, 10, 1, {{32, 33}, {46, 47}}},
    {12, 10, 1, {{26, 27}, {32, 33}, {38, 39}, {46, 47}, {83, 82}}},
    {24, 10, 1, {{26, 27}, {29, 30}, {32, 33}, {35, 36}, {38, 39}, {42, 43}, {46, 47}, {83, 82}}},
    {48, 100, 2, {}}, {96, 100, 2, {}}, {192, 100, 2, {{919, 920}}},
    {125, 100, 2, {{102, 200}, {104, 500}, {106, 1000}}}};
// clang-format on

// The step-by-step walk that Evalue replaced, kept as the reference: the series recomputed on
// every call by a running product of the step ratio, rounded and corrected (each value at most
// once). Every expression and its order are the walk's own; do not tidy it.
double walk(double value, int perDecade, int mode) {
  const auto s = std::ranges::find(kSeries, perDecade, &Series::perDecade);
  if (s == std::end(kSeries) || mode < 0 || mode > 3) return -1.0;
  if (!(value >= 0) || std::isinf(value)) return -2.0;
  if (value == 0) return 0.0;
  const int e = ToInt32(Floor(Log(value) / Log(10)) - s->digits);
  const double scale = Pow(10, e);
  double w = value / scale;
  if (!std::isnormal(scale) || !std::isfinite(w)) return 0.0;
  if (mode == 2 || mode == 3) {
    const double whole = Floor(w + 0.5);
    if (Abs(w - whole) <= whole * 1e-12) w = whole;
  }
  const double r = Pow(10, 1 / static_cast<double>(perDecade));
  double product = s->base, best = s->base, bestDistance = mode == 2 ? 10000.0 : 0.0;
  if (mode == 0) bestDistance = Abs(Pow(s->base * w, 0.5) - w);
  if (mode == 1) bestDistance = Abs(s->base - w);
  for (int i = 1; i <= perDecade; ++i) {
    const double next = product * r;
    double n = Floor(next + 0.5);
    const auto fix = std::ranges::find(s->corrections, n, &std::pair<double, double>::first);
    if (fix != s->corrections.end()) n = fix->second;
    double distance = bestDistance - 1.0;
    if (mode == 0) distance = Abs(Pow(n * w, 0.5) - w);
    if (mode == 1) distance = Abs(n - w);
    if (mode == 2 && !(w > best)) return best * scale;
    if (mode == 2 && !(w > n)) {
      distance = 210000.0;
      best = n;
    }
    if (mode == 3 && w < n) return best * scale;
    if (!(distance < bestDistance)) break;
    bestDistance = distance;
    product = next;
    best = n;
    Yield();
  }
  return best * scale;
}

// `v` and its neighbours up to `ulps` representable doubles away on either side.
void around(std::vector<double>& values, double v, int ulps) {
  values.push_back(v);
  for (double down = v, up = v; ulps-- > 0;) {
    values.push_back(down = std::nextafter(down, -INFINITY));
    values.push_back(up = std::nextafter(up, INFINITY));
  }
}

// The double nearest `digits` x 10^`exponent`, as a typed value reads.
double decimal(int digits, int exponent) {
  return std::strtod((std::to_string(digits) + "e" + std::to_string(exponent)).c_str(), nullptr);
}

// Values that no caller passes; every power of ten of the double range, typed and as pow
// computes it (where the quotient of the logarithms may land on either side of the whole
// number); the series values of decades -12 to 12 and near the ends of the range, subnormal ones
// too, with the geometric and arithmetic midpoints and the square-root boundary between each
// value and the next; all with their neighbours. Then random values: mantissas from 1 to 10 over
// decades -30 to 30 and over the whole range, and random bit patterns (any double at all).
std::vector<double> inputs(int perDecade) {
  using Limits = std::numeric_limits<double>;
  std::vector<double> v = {-0.0, -1.0, INFINITY, -INFINITY, NAN, -NAN, Limits::signaling_NaN()};
  for (double x : {0.0, Limits::denorm_min(), Limits::min(), Limits::min() / 2, Limits::max(),
                   Limits::lowest()}) {
    around(v, x, 3);
  }
  for (int exponent = -325; exponent <= 309; ++exponent) {
    around(v, decimal(1, exponent), 3);
    around(v, std::pow(10.0, exponent), 1);
  }
  const std::vector<int> series = units_test::standardSeries()[perDecade];  // none: empty
  std::vector<int> decades = {-321, -310, -307, -305, -300, -200, -100, 100, 200, 300, 306, 307};
  for (int decade = -12; decade <= 12; ++decade) decades.push_back(decade);
  for (int decade : decades) {
    const int exponent = decade - (series.empty() || series[0] == 10 ? 1 : 2);
    for (size_t k = 0; k < series.size(); ++k) {
      const double a = decimal(series[k], exponent);
      const double b = decimal(k + 1 < series.size() ? series[k + 1] : 10 * series[0], exponent);
      around(v, a, 2);
      for (double x : {series[k] * std::pow(10.0, exponent), std::sqrt(a * b), (a + b) / 2,
                       std::pow((std::sqrt(a) + std::sqrt(b)) / 2, 2)}) {
        around(v, x, 1);
      }
    }
  }
  std::mt19937_64 random(0x5eed0000u + static_cast<unsigned>(perDecade));
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  for (int i = 0; i < 100000; ++i) {
    const int decade =
        i % 8 == 1 ? static_cast<int>(random() % 632) - 323 : static_cast<int>(random() % 61) - 30;
    v.push_back(i % 8 == 0 ? std::bit_cast<double>(random())
                           : mantissa(random) * std::pow(10.0, decade));
  }
  return v;
}

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

class EvalueEquivalence : public testing::TestWithParam<int> {};

// Every input in every snap mode, valid or not, for every series and for counts of no series:
// the same bits as the walk. The walk yields after every step that goes on; the table walk skips
// the steps below the value, so it yields no more often, and at most once but in the 1-2-5 series
// (where a value just above 1000 still walks on step by step).
TEST_P(EvalueEquivalence, SameBitsAndNoMoreYieldsThanTheWalk) {
  const int perDecade = GetParam();
  HeadlessBackend backend;
  Runtime runtime(backend);
  int failures = 0;
  for (double value : inputs(perDecade)) {
    for (int mode : {INT_MIN, -1, 0, 1, 2, 3, 4, INT_MAX}) {
      backend.yields = 0;
      const double expected = walk(value, perDecade, mode);
      const int walkYields = std::exchange(backend.yields, 0);
      const double got = Evalue(value, perDecade, mode);
      const bool same = std::bit_cast<std::uint64_t>(expected) == std::bit_cast<std::uint64_t>(got);
      const int most = perDecade == 125 ? walkYields : std::min(walkYields, 1);
      if ((!same || backend.yields > most) && ++failures <= 10) {
        ADD_FAILURE() << std::hexfloat << value << " with " << perDecade << " per decade, mode "
                      << mode << ": " << got << " after " << backend.yields << " yields, the walk "
                      << expected << " after " << walkYields;
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

INSTANTIATE_TEST_SUITE_P(EverySeriesAndOthers, EvalueEquivalence,
                         testing::Values(6, 12, 24, 48, 96, 192, 125, INT_MIN, -12, 0, 1, 7, 13,
                                         100, 124, 126, 193, INT_MAX));

}  // namespace
