#include "units/evalue.h"

#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <utility>

#include "framework/numbers.h"
#include "framework/runtime.h"

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

}  // namespace

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

}  // namespace units
