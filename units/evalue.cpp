#include "units/evalue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <utility>

#include "framework/numbers.h"

namespace units {
namespace {

using fw::Abs;
using fw::Floor;
using fw::Log;
using fw::Pow;

// Computed value -> stored value. The rounded geometric steps miss the standard's values at
// these places (the standard kept the older, hand-picked values); 1-2-5 relabels its first three
// steps.
using Corrections = std::span<const std::pair<double, double>>;
constexpr std::array<std::pair<double, double>, 2> kE6{{{32, 33}, {46, 47}}};
constexpr std::array<std::pair<double, double>, 5> kE12{
    {{26, 27}, {32, 33}, {38, 39}, {46, 47}, {83, 82}}};
constexpr std::array<std::pair<double, double>, 8> kE24{
    {{26, 27}, {29, 30}, {32, 33}, {35, 36}, {38, 39}, {42, 43}, {46, 47}, {83, 82}}};
constexpr std::array<std::pair<double, double>, 1> kE192{{{919, 920}}};
constexpr std::array<std::pair<double, double>, 3> kOneTwoFive{
    {{102, 200}, {104, 500}, {106, 1000}}};

constexpr int kMostPerDecade = 192;

// The series values of one decade, worked out once: values[i] is the series value of step i
// (values[0] the series base), for i from 0 to perDecade.
struct SeriesTable {
  double digits = 0;  // the decade scale leaves this many digits before the point
  // values[0] < values[1] < ... < values[rising]: the whole decade for the E series; for 1-2-5
  // its first four values (100, 200, 500, 1000), after which the running product falls back
  // below 1000 and is read only for a w above 1000.
  int rising = 0;
  std::array<double, kMostPerDecade + 1> values{};
};

// A value is changed at most once: E24's computed 35 becomes 36 and is not looked at again.
double corrected(double n, Corrections corrections) {
  for (const auto& [computed, stored] : corrections) {
    if (n == computed) return stored;
  }
  return n;
}

// The series values of one decade: the running product of the step ratio from the base, each
// rounded to a whole number and corrected.
SeriesTable makeTable(int perDecade, double base, double digits, Corrections corrections) {
  SeriesTable table;
  table.digits = digits;
  const double r = Pow(10, 1 / static_cast<double>(perDecade));
  double product = base;
  table.values[0] = base;
  for (int i = 1; i <= perDecade; ++i) {
    product = product * r;
    table.values[i] = corrected(Floor(product + 0.5), corrections);
  }
  while (table.rising < perDecade && table.values[table.rising + 1] > table.values[table.rising]) {
    ++table.rising;
  }
  return table;
}

// The tables, built once on first use (thread-safe) and never changed afterwards.
struct Tables {
  std::array<SeriesTable, 7> series{
      makeTable(6, 10, 1, kE6),           makeTable(12, 10, 1, kE12), makeTable(24, 10, 1, kE24),
      makeTable(48, 100, 2, {}),          makeTable(96, 100, 2, {}),  makeTable(192, 100, 2, kE192),
      makeTable(125, 100, 2, kOneTwoFive)};
  // Log(10) and the decade scales 10^e, computed once for all calls.
  double log10 = Log(10);
  static constexpr int kLowestScale = -330;  // a positive double's decade scale lies in -326..307
  static constexpr int kHighestScale = 310;
  std::array<double, kHighestScale - kLowestScale + 1> scales{};

  Tables() {
    for (int e = kLowestScale; e <= kHighestScale; ++e) scales[e - kLowestScale] = Pow(10, e);
  }

  double scale(int e) const {
    if (e < kLowestScale || e > kHighestScale) return Pow(10, e);
    return scales[e - kLowestScale];
  }
};

const Tables& tables() {
  static const Tables kTables;
  return kTables;
}

// Null for a values-per-decade count of no series.
const SeriesTable* tableOf(const Tables& all, int perDecade) {
  switch (perDecade) {
    case 6:
      return &all.series[0];
    case 12:
      return &all.series[1];
    case 24:
      return &all.series[2];
    case 48:
      return &all.series[3];
    case 96:
      return &all.series[4];
    case 192:
      return &all.series[5];
    case 125:
      return &all.series[6];
    default:
      return nullptr;
  }
}

// The distance of values[step] from w: on the square-root scale in mode 0, by difference in mode
// 1; modes 2 and 3 count down by 1.0 per step from 10000.0 and 0.0 (whole numbers, so the count
// is exact), so that every step up the series comes nearer.
double distanceAt(const SeriesTable& table, int step, double w, int snapMode) {
  const double n = table.values[step];
  switch (snapMode) {
    case kSnapNearestRoot:
      return Abs(Pow(n * w, 0.5) - w);
    case kSnapNearest:
      return Abs(n - w);
    case kSnapNotBelow:
      return 10000.0 - step;
    default:
      return 0.0 - step;
  }
}

}  // namespace

double Evalue(double value, int valuesPerDecade, int snapMode, void (*yield)()) {
  const Tables& all = tables();
  const SeriesTable* found = tableOf(all, valuesPerDecade);
  if (found == nullptr || snapMode < 0 || snapMode > 3) return -1.0;
  const SeriesTable& table = *found;
  if (!(value >= 0) || std::isinf(value)) return -2.0;
  if (value == 0) return 0.0;

  const int e = fw::ToInt32(Floor(Log(value) / all.log10) - table.digits);
  const double scale = all.scale(e);
  double w = value / scale;
  // Subnormal decades: the scaled value would not lie in one decade of the series.
  if (!std::isnormal(scale) || !std::isfinite(w)) return 0.0;
  // Modes 2 and 3 compare w with the series values themselves, so the rounding noise of the
  // division (0.56 / 0.01 gives 56.00000000000001) must not carry a series value past itself.
  if (snapMode == kSnapNotBelow || snapMode == kSnapNotAbove) {
    const double whole = Floor(w + 0.5);
    if (Abs(w - whole) <= whole * 1e-12) w = whole;
  }

  // The snapped value is where the series, read up from its base, stops coming nearer to w.
  // Below w the values rise, so each comes nearer than the one before in every mode (modes 2
  // and 3 count the distance down; in mode 0 (n x w)^0.5 rises with n, at least 0.05 % per
  // step, and stays below w, or for the last value below w at most a rounding error above it).
  // So the search starts at `start`, the last series value below w, found by binary search
  // among the rising values. The 1-2-5 series rises over its first four values only; beyond
  // them (w above 1000 at a decade edge) the search reads the values that follow one by one.
  const std::span<const double> rising(table.values.data(), table.rising + 1);
  const auto firstNotBelow = std::lower_bound(rising.begin(), rising.end(), w) - rising.begin();
  const int start = static_cast<int>(std::max<std::ptrdiff_t>(0, firstNotBelow - 1));

  double best = table.values[start];
  double bestDistance = distanceAt(table, start, w, snapMode);

  // The series rises within the decade, so the first value that comes no nearer ends the
  // search at the nearest one. Modes 2 and 3 count their distance down by one per value below
  // (or not above) w, so every such value comes nearer. Each value the search moves on to calls
  // `yield`: at most one, but in the 1-2-5 series for a w above 1000.
  for (int i = start + 1; i <= valuesPerDecade; ++i) {
    const double n = table.values[i];
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
    best = n;
    if (yield != nullptr) yield();
    // In modes 0 and 1 the next value comes no nearer once the search moved on to a rising value
    // not below w: the next value is farther from w, by at least 1 (mode 1) or 0.05 % of w (mode
    // 0), far more than any rounding. So the search ends here without computing that distance.
    if (snapMode <= kSnapNearest && n >= w && i < table.rising) break;
  }
  return best * scale;
}

}  // namespace units
