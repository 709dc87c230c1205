// The table-driven Evalue against the step-by-step walk it replaced, kept here as the reference:
// the same result, bit for bit, for every series, every snap mode and every kind of double.

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "eseries.h"
#include "framework/headlessbackend.h"
#include "framework/numbers.h"
#include "framework/runtime.h"
#include "units/evalue.h"

namespace reference {

// Evalue as it was up to the series tables: it recomputes the series on every call and walks it
// step by step. Unchanged but for its name; do not tidy it.

using fw::Abs;
using fw::Floor;
using fw::Log;
using fw::Pow;

using units::kSnapNearest;
using units::kSnapNearestRoot;
using units::kSnapNotAbove;
using units::kSnapNotBelow;

using Corrections = std::span<const std::pair<double, double>>;
constexpr std::array<std::pair<double, double>, 2> kE6{{{32, 33}, {46, 47}}};
constexpr std::array<std::pair<double, double>, 5> kE12{
    {{26, 27}, {32, 33}, {38, 39}, {46, 47}, {83, 82}}};
constexpr std::array<std::pair<double, double>, 8> kE24{
    {{26, 27}, {29, 30}, {32, 33}, {35, 36}, {38, 39}, {42, 43}, {46, 47}, {83, 82}}};
constexpr std::array<std::pair<double, double>, 1> kE192{{{919, 920}}};
constexpr std::array<std::pair<double, double>, 3> kOneTwoFive{
    {{102, 200}, {104, 500}, {106, 1000}}};

struct Series {
  double base = 0;  // the first value of a decade: 10 for E6 to E24, 100 for the others
  double digits = 0;
  Corrections corrections;
};

std::optional<Series> seriesOf(int valuesPerDecade) {
  switch (valuesPerDecade) {
    case 6:
      return Series{10, 1, kE6};
    case 12:
      return Series{10, 1, kE12};
    case 24:
      return Series{10, 1, kE24};
    case 48:
    case 96:
      return Series{100, 2, {}};
    case 192:
      return Series{100, 2, kE192};
    case 125:
      return Series{100, 2, kOneTwoFive};
    default:
      return std::nullopt;
  }
}

// A value is changed at most once: E24's computed 35 becomes 36 and is not looked at again.
double corrected(double n, Corrections corrections) {
  for (const auto& [computed, stored] : corrections) {
    if (n == computed) return stored;
  }
  return n;
}

double Evalue(double value, int valuesPerDecade, int snapMode) {
  const std::optional<Series> found = seriesOf(valuesPerDecade);
  if (!found || snapMode < 0 || snapMode > 3) return -1.0;
  const Series& series = *found;
  if (!(value >= 0) || std::isinf(value)) return -2.0;
  if (value == 0) return 0.0;

  const int e = fw::ToInt32(Floor(Log(value) / Log(10)) - series.digits);
  const double scale = Pow(10, e);
  double w = value / scale;
  // Subnormal decades: the scaled value would not lie in one decade of the series.
  if (!std::isnormal(scale) || !std::isfinite(w)) return 0.0;
  // Modes 2 and 3 compare w with the series values themselves, so the rounding noise of the
  // division (0.56 / 0.01 gives 56.00000000000001) must not carry a series value past itself.
  if (snapMode == kSnapNotBelow || snapMode == kSnapNotAbove) {
    const double whole = Floor(w + 0.5);
    if (Abs(w - whole) <= whole * 1e-12) w = whole;
  }
  const double r = Pow(10, 1 / static_cast<double>(valuesPerDecade));

  double product = series.base;
  double best = series.base;
  double bestDistance = 0;
  switch (snapMode) {
    case kSnapNearestRoot:
      bestDistance = Abs(Pow(series.base * w, 0.5) - w);
      break;
    case kSnapNearest:
      bestDistance = Abs(series.base - w);
      break;
    case kSnapNotBelow:
      bestDistance = 10000.0;
      break;
    default:
      bestDistance = 0.0;
      break;
  }

  // The series rises monotonically within the decade, so the first step that is no improvement
  // ends the walk at the overall best value. Modes 2 and 3 count their distance down by one per
  // step below (or not above) the value, so every such step is an improvement.
  for (int i = 1; i <= valuesPerDecade; ++i) {
    const double next = product * r;
    const double n = corrected(Floor(next + 0.5), series.corrections);
    double distance = 0;
    switch (snapMode) {
      case kSnapNearestRoot:
        distance = Abs(Pow(n * w, 0.5) - w);
        break;
      case kSnapNearest:
        distance = Abs(n - w);
        break;
      case kSnapNotBelow:
        if (!(w > best)) return best * scale;
        distance = bestDistance - 1.0;
        if (!(w > n)) {
          distance = 210000.0;
          best = n;
        }
        break;
      default:
        distance = bestDistance - 1.0;
        if (w < n) return best * scale;
        break;
    }
    if (!(distance < bestDistance)) break;
    bestDistance = distance;
    product = next;
    best = n;
    fw::Yield();
  }
  return best * scale;
}

}  // namespace reference

namespace {

using Limits = std::numeric_limits<double>;

constexpr std::array<int, 7> kAllSeries = {6, 12, 24, 48, 96, 192, 125};

std::span<const int> standardValues(int perDecade) {
  using namespace units_test;
  switch (perDecade) {
    case 6:
      return kE6;
    case 12:
      return kE12;
    case 24:
      return kE24;
    case 48:
      return kE48;
    case 96:
      return kE96;
    case 192:
      return kE192;
    default:
      return kOneTwoFive;
  }
}

// `value` and its neighbours up to `ulps` representable doubles away on either side.
void addAround(std::vector<double>& values, double value, int ulps) {
  values.push_back(value);
  double down = value;
  double up = value;
  for (int i = 0; i < ulps; ++i) {
    down = std::nextafter(down, -Limits::infinity());
    up = std::nextafter(up, Limits::infinity());
    values.push_back(down);
    values.push_back(up);
  }
}

// The double nearest to the decimal number `digits` x 10^`exponent`, as a typed value reads.
double decimal(long digits, int exponent) {
  char text[64];
  std::snprintf(text, sizeof text, "%lde%d", digits, exponent);
  return std::strtod(text, nullptr);
}

// Values that no caller passes, and the edges of the double range.
std::vector<double> specialValues() {
  std::vector<double> values = {0.0,
                                -0.0,
                                Limits::infinity(),
                                -Limits::infinity(),
                                Limits::quiet_NaN(),
                                -Limits::quiet_NaN(),
                                Limits::signaling_NaN(),
                                Limits::max(),
                                Limits::lowest(),
                                -1.0,
                                -1e-300,
                                -4.7,
                                -1e300};
  addAround(values, Limits::denorm_min(), 3);
  addAround(values, Limits::min(), 3);
  addAround(values, Limits::max(), 3);
  addAround(values, Limits::min() / 2, 3);  // subnormal
  for (int exponent = -324; exponent <= -300; ++exponent)
    addAround(values, decimal(47, exponent), 1);
  return values;
}

// Every power of ten of the double range, both as the decimal number and as pow computes it,
// with their neighbours: the decade edges, where the quotient of the logarithms may land on
// either side of the whole number.
std::vector<double> decadeEdges() {
  std::vector<double> values;
  for (int exponent = -325; exponent <= 309; ++exponent) {
    addAround(values, decimal(1, exponent), 3);
    addAround(values, std::pow(10.0, exponent), 1);
  }
  return values;
}

// The series values of decades -12 to 12 and of a few decades at the ends of the range, each
// as typed and as computed, with their neighbours, and the geometric and arithmetic midpoints
// and the square-root boundary between each value and the next, with theirs.
std::vector<double> seriesNeighbourhoods(int perDecade) {
  const std::span<const int> series = standardValues(perDecade);
  const int digits = series[0] == 10 ? 1 : 2;
  std::vector<int> decades;
  for (int decade = -12; decade <= 12; ++decade) decades.push_back(decade);
  for (int decade : {-307, -306, -305, -300, -200, -100, 100, 200, 300, 306, 307}) {
    decades.push_back(decade);
  }
  std::vector<double> values;
  for (int decade : decades) {
    const int exponent = decade - digits;
    const double scale = std::pow(10.0, exponent);
    for (size_t k = 0; k < series.size(); ++k) {
      const long next = k + 1 < series.size() ? series[k + 1] : 10L * series[0];
      const double a = decimal(series[k], exponent);
      const double b = decimal(next, exponent);
      addAround(values, a, 2);
      addAround(values, series[k] * scale, 1);
      addAround(values, std::sqrt(a * b), 1);
      addAround(values, (a + b) / 2, 1);
      addAround(values, std::pow((std::sqrt(a) + std::sqrt(b)) / 2, 2), 1);
    }
  }
  return values;
}

// Random values: mantissas from 1 to 10 over decades -30 to 30 and over the whole double range,
// and random bit patterns (any double at all: negatives, NaNs, infinities, subnormals).
std::vector<double> randomValues(int perDecade, int count) {
  std::mt19937_64 random(0x5eed0000u + static_cast<unsigned>(perDecade));
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> nearDecade(-30, 30);
  std::uniform_int_distribution<int> anyDecade(-323, 308);
  std::vector<double> values;
  values.reserve(count);
  for (int i = 0; i < count; ++i) {
    switch (i % 8) {
      case 0:
        values.push_back(std::bit_cast<double>(random()));
        break;
      case 1:
        values.push_back(mantissa(random) * std::pow(10.0, anyDecade(random)));
        break;
      default:
        values.push_back(mantissa(random) * std::pow(10.0, nearDecade(random)));
        break;
    }
  }
  return values;
}

std::string describe(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g (%a)", value, value);
  return text;
}

// Compares the two implementations on `values` in every snap mode; reports the first few
// differences and returns their number.
int compare(const std::vector<double>& values, int perDecade, const std::string& what) {
  int differences = 0;
  for (int mode = 0; mode <= 3; ++mode) {
    for (double value : values) {
      const double expected = reference::Evalue(value, perDecade, mode);
      const double got = units::Evalue(value, perDecade, mode);
      if (std::bit_cast<std::uint64_t>(expected) == std::bit_cast<std::uint64_t>(got)) continue;
      if (++differences <= 10) {
        ADD_FAILURE() << what << ": " << describe(value) << " with " << perDecade
                      << " per decade, mode " << mode << ": expected " << describe(expected)
                      << ", got " << describe(got);
      }
    }
  }
  return differences;
}

class EvalueEquivalence : public testing::TestWithParam<int> {};

TEST_P(EvalueEquivalence, SpecialValuesAndDecadeEdges) {
  const int perDecade = GetParam();
  EXPECT_EQ(compare(specialValues(), perDecade, "special value"), 0);
  EXPECT_EQ(compare(decadeEdges(), perDecade, "decade edge"), 0);
}

TEST_P(EvalueEquivalence, AtAndNextToSeriesValuesAndMidpoints) {
  const int perDecade = GetParam();
  EXPECT_EQ(compare(seriesNeighbourhoods(perDecade), perDecade, "near a series value"), 0);
}

TEST_P(EvalueEquivalence, RandomValues) {
  const int perDecade = GetParam();
  EXPECT_EQ(compare(randomValues(perDecade, 100000), perDecade, "random value"), 0);
}

// The reference yields after every step that goes on; the table walk skips the steps below the
// value, so it yields no more often, and at most once but in the 1-2-5 series (where a value
// just above 1000 still walks on step by step).
TEST_P(EvalueEquivalence, YieldsNoMoreOftenThanTheStepByStepWalk) {
  const int perDecade = GetParam();
  fw::HeadlessBackend backend;
  fw::Runtime runtime(backend);
  std::vector<double> values = seriesNeighbourhoods(perDecade);
  const std::vector<double> more = randomValues(perDecade, 2000);
  values.insert(values.end(), more.begin(), more.end());
  const int most = perDecade == 125 ? perDecade : 1;
  int differences = 0;
  for (int mode = 0; mode <= 3; ++mode) {
    for (size_t i = 0; i < values.size(); i += 7) {
      backend.yields = 0;
      reference::Evalue(values[i], perDecade, mode);
      const int stepByStep = backend.yields;
      backend.yields = 0;
      units::Evalue(values[i], perDecade, mode);
      if ((backend.yields > stepByStep || backend.yields > most) && ++differences <= 10) {
        ADD_FAILURE() << describe(values[i]) << " with " << perDecade << " per decade, mode "
                      << mode << ": " << backend.yields << " yields, the step-by-step walk "
                      << stepByStep;
      }
    }
  }
  EXPECT_EQ(differences, 0);
}

INSTANTIATE_TEST_SUITE_P(EverySeries, EvalueEquivalence, testing::ValuesIn(kAllSeries),
                         [](const testing::TestParamInfo<int>& param) {
                           return "PerDecade" + std::to_string(param.param);
                         });

TEST(EvalueEquivalence, OtherSeriesAndModes) {
  const double values[] = {0.0, 4.7, -4.7, Limits::quiet_NaN(), Limits::infinity(), 1e-310};
  for (int perDecade : {INT_MIN, -192, -12, -1,   0,       1, 5,  7,  11, 13, 100, 124,
                        126,     191,  193, 1000, INT_MAX, 6, 12, 24, 48, 96, 192, 125}) {
    for (int mode : {INT_MIN, -1, 0, 1, 2, 3, 4, 5, INT_MAX}) {
      for (double value : values) {
        const double expected = reference::Evalue(value, perDecade, mode);
        const double got = units::Evalue(value, perDecade, mode);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(expected), std::bit_cast<std::uint64_t>(got))
            << describe(value) << " with " << perDecade << " per decade, mode " << mode;
      }
    }
  }
}

}  // namespace
