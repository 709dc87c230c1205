#include "units/evalue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <vector>

#include "eseries.h"
#include "framework/headlessbackend.h"
#include "framework/runtime.h"

namespace {

using units::Evalue;

void expectSnap(double value, int perDecade, int mode, double expected) {
  const double got = Evalue(value, perDecade, mode);
  EXPECT_NEAR(got, expected, std::abs(expected) * 1e-12)
      << value << " with " << perDecade << " per decade, mode " << mode;
}

struct SnapCase {
  double value;
  int perDecade;
  int mode;
  double expected;
};

// clang-format off
const SnapCase kCases[] = {
    {4.8, 12, 0, 4.7},      {4.7, 12, 0, 4.7},     {10.97, 12, 0, 10},     {10.98, 12, 0, 12},
    {99.9, 12, 0, 100},     {11, 12, 0, 12},       {11, 12, 1, 10},        // 11: tie keeps 10
    {3.4, 125, 0, 5},       {3.4, 125, 1, 2},      {3.4, 125, 2, 5},       {3.4, 125, 3, 2},
    {7.3, 125, 0, 10},      {1.02, 125, 0, 1},     {3.330, 125, 0, 2},     {3.332, 125, 0, 5},
    {10.976, 12, 0, 10},    {10.978, 12, 0, 12},   {333.0, 125, 0, 200},   {333.2, 125, 0, 500},
    {10, 12, 0, 10},        {1, 12, 0, 1},         {0.1, 12, 0, 0.1},      {1, 96, 0, 1},
    {100, 96, 0, 100},      {1000, 24, 0, 1000},   {1000, 24, 1, 1000},    {1000, 24, 2, 1000},
    {1000, 24, 3, 1000},    {1000, 125, 3, 1000},  {9.19, 192, 0, 9.2},    {2.2e7, 192, 0, 2.21e7},
    {4.8, 12, 2, 5.6},      {4.8, 12, 3, 4.7},     {4.7, 12, 2, 4.7},      {4.7, 12, 3, 4.7},
    {9.5, 12, 2, 10},       {9.5, 12, 3, 8.2},     {1.5, 6, 1, 1.5},       {3.9, 24, 0, 3.9},
    // Typed series values whose scaled value carries division noise (0.56 / 0.01 is a hair
    // above 56, 3.3 / 0.1 a hair below 33) stay themselves when snapping up or down.
    {0.56, 24, 2, 0.56},    {0.56, 12, 2, 0.56},   {3.3, 24, 3, 3.3},      {8.2, 24, 3, 8.2},
    {-1, 12, 0, -2.0},      {-1e-9, 192, 2, -2.0}, {5, 7, 0, -1.0},        {-5, 7, 0, -1.0},
    {5, 0, 0, -1.0},        {5, 100, 0, -1.0},     {5, 12, 4, -1.0},       {5, 12, -1, -1.0},
    {0, 12, 0, 0},          {NAN, 12, 0, -2.0},    {INFINITY, 12, 0, -2.0},
};
// clang-format on

TEST(Evalue, ExamplesAndResultCodes) {
  for (const auto& c : kCases) expectSnap(c.value, c.perDecade, c.mode, c.expected);
}

struct Series {
  int perDecade;
  std::vector<int> values;  // significant digits of one decade, then the next decade's first
  int decadeStart;          // the first value of a decade: 10 or 100
};

std::vector<Series> allSeries() {
  auto make = [](int perDecade, std::span<const int> values, int start) {
    Series s{perDecade, {values.begin(), values.end()}, start};
    s.values.push_back(10 * start);
    return s;
  };
  using namespace units_test;
  return {make(6, kE6, 10),           make(12, kE12, 10),  make(24, kE24, 10),
          make(48, kE48, 100),        make(96, kE96, 100), make(192, kE192, 100),
          make(125, kOneTwoFive, 100)};
}

// Every standard value of every decade from 10^-3 to 10^9 snaps to itself in every mode, and
// each value between two neighbours a < b goes where the mode says: the square-root boundary
// ((sqrt(a) + sqrt(b)) / 2)^2 in mode 0, the midpoint in mode 1, up in mode 2, down in mode 3.
TEST(Evalue, ReproducesTheStandardSeriesInEveryDecade) {
  for (const auto& series : allSeries()) {
    for (int decade = -3; decade <= 9; ++decade) {
      const double unit = std::pow(10.0, decade) / series.decadeStart;
      for (size_t k = 0; k + 1 < series.values.size(); ++k) {
        const double a = series.values[k] * unit;
        const double b = series.values[k + 1] * unit;
        for (int mode = 0; mode <= 3; ++mode) expectSnap(a, series.perDecade, mode, a);
        const double root = std::pow((std::sqrt(a) + std::sqrt(b)) / 2, 2);
        expectSnap(root * (1 - 1e-9), series.perDecade, 0, a);
        expectSnap(root * (1 + 1e-9), series.perDecade, 0, b);
        expectSnap((a + b) / 2 * (1 - 1e-9), series.perDecade, 1, a);
        expectSnap((a + b) / 2 * (1 + 1e-9), series.perDecade, 1, b);
        expectSnap(a * (1 + 1e-9), series.perDecade, 2, b);
        expectSnap(b * (1 - 1e-9), series.perDecade, 3, a);
      }
    }
  }
}

TEST(Evalue, YieldsAfterEveryStepThatGoesOn) {
  fw::HeadlessBackend backend;
  fw::Runtime runtime(backend);
  // E12 from 10 up to 4.7: the steps 12, 15, 18, 22, 27, 33, 39 and 47 each come nearer.
  EXPECT_NEAR(Evalue(4.7, 12, 0), 4.7, 1e-12);
  EXPECT_EQ(backend.yields, 8);
  backend.yields = 0;
  EXPECT_EQ(Evalue(1, 12, 0), 1.0);  // the series base itself: no step comes nearer
  EXPECT_EQ(backend.yields, 0);
}

}  // namespace
