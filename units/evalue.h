#pragma once

// Snapping a value to a standard value series: the IEC 60063 series E6 to E192 and the 1-2-5
// series.

namespace units {

// How Evalue picks among the series values around the value.
inline constexpr int kSnapNearestRoot = 0;  // nearest on the square-root scale
inline constexpr int kSnapNearest = 1;      // nearest by difference
inline constexpr int kSnapNotBelow = 2;     // smallest series value not below the value
inline constexpr int kSnapNotAbove = 3;     // largest series value not above the value

// `value` snapped to the series with `valuesPerDecade` values per decade (6, 12, 24, 48, 96,
// 192, or 125 for the 1-2-5 series), in the same unit. Of two equally near series values the
// lower one wins. The series values are computed once per series (the running product of the
// step ratio, rounded and corrected to the standard's values) and kept in a table; a call finds
// the last series value below the value by binary search and moves on from it to the next
// values while they come nearer. It calls `yield`, when one is given, after each value it moves
// on to (at most one, but in the 1-2-5 series for a scaled value just above 1000); Go passes the
// event loop's yield. Result codes: -1.0 for any other `valuesPerDecade` or a snap mode outside
// 0 to 3; -2.0 for a negative value, NaN or an infinity. 0 gives 0.0, and so does a positive
// value too small for its decade to be scaled in double precision (below about 10^-305); a value
// whose snapped value passes the largest double gives infinity.
double Evalue(double value, int valuesPerDecade, int snapMode, void (*yield)() = nullptr);

}  // namespace units
