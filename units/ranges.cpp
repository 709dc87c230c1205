#include "units/ranges.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "framework/numbers.h"
#include "units/digits.h"

namespace units {

int largestDecade(const UnitTable& units, TableFormatter formatter) noexcept {
  switch (formatter) {
    case TableFormatter::HumanValue:
      return std::min(units.DecadeDelta.Ubound(), units.SuffixTxt.Ubound() - 1);
    case TableFormatter::Stackpole:
      return std::min(units.DecadeDelta.Ubound(), units.RealSuffixTxt.Ubound() - 4);
    case TableFormatter::Spice:
      return std::min(units.SpiceDecadeDelta.Ubound(), units.SpiceSuffixTxt.Ubound() - 1);
  }
  return -1;
}

double largestValue(const UnitTable& units, TableFormatter formatter) noexcept {
  const double last = largestDecade(units, formatter);
  // Beyond the double range there is no decade to look up: such values give the empty text.
  if (last >= 308) return std::numeric_limits<double>::max();
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  // The decade exponent is computed from a logarithm, so its edge lies within a few units in
  // the last place of 10^(d + 1) / 1.0004: step to the last double that stays in the decade.
  double value = fw::Pow(10, last + 1) / 1.0004;
  while (value > 0 && decadeExponent(value) > last) value = std::nextafter(value, 0.0);
  while (std::isfinite(value) && decadeExponent(std::nextafter(value, kInfinity)) <= last) {
    value = std::nextafter(value, kInfinity);
  }
  return value;
}

}  // namespace units
