#include "units/evalue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <utility>

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
    // The square-root boundaries between 10 and 12 and between 200 and 500.
    {10.976, 12, 0, 10},    {10.978, 12, 0, 12},   {333.0, 125, 0, 200},   {333.2, 125, 0, 500},
    {4.8, 12, 0, 4.7},      {3.4, 125, 1, 2},      {9.19, 192, 0, 9.2},    {2.2e7, 192, 0, 2.21e7},
    {11, 12, 1, 10},        // equally near 10 and 12: the lower one stays
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

// Every standard value of every decade from 10^-3 to 10^9 snaps to itself in every mode, and
// each value between two neighbours a < b goes where the mode says: the square-root boundary
// ((sqrt(a) + sqrt(b)) / 2)^2 in mode 0, the midpoint in mode 1, up in mode 2, down in mode 3.
// The last value's upper neighbour is the next decade's first.
TEST(Evalue, ReproducesTheStandardSeriesInEveryDecade) {
  using namespace units_test;
  const std::pair<int, std::span<const int>> allSeries[] = {
      {6, kE6}, {12, kE12}, {24, kE24}, {48, kE48}, {96, kE96}, {192, kE192}, {125, kOneTwoFive}};
  for (const auto& [perDecade, values] : allSeries) {
    for (int decade = -3; decade <= 9; ++decade) {
      const double unit = std::pow(10.0, decade) / values[0];
      for (size_t k = 0; k < values.size(); ++k) {
        const double a = values[k] * unit;
        const double b = (k + 1 < values.size() ? values[k + 1] : 10 * values[0]) * unit;
        for (int mode = 0; mode <= 3; ++mode) expectSnap(a, perDecade, mode, a);
        const double root = std::pow((std::sqrt(a) + std::sqrt(b)) / 2, 2);
        expectSnap(root * (1 - 1e-9), perDecade, 0, a);
        expectSnap(root * (1 + 1e-9), perDecade, 0, b);
        expectSnap((a + b) / 2 * (1 - 1e-9), perDecade, 1, a);
        expectSnap((a + b) / 2 * (1 + 1e-9), perDecade, 1, b);
        expectSnap(a * (1 + 1e-9), perDecade, 2, b);
        expectSnap(b * (1 - 1e-9), perDecade, 3, a);
      }
    }
  }
}

TEST(Evalue, YieldsAfterEveryStepOfItsWalkThatGoesOn) {
  fw::HeadlessBackend backend;
  fw::Runtime runtime(backend);
  // E12 at 4.7: the walk takes up at 39, the series value below; the step to 47 comes nearer.
  EXPECT_NEAR(Evalue(4.7, 12, 0), 4.7, 1e-12);
  EXPECT_EQ(backend.yields, 1);
  backend.yields = 0;
  EXPECT_EQ(Evalue(1, 12, 0), 1.0);  // the series base itself: no step comes nearer
  EXPECT_EQ(backend.yields, 0);
}

}  // namespace
