#pragma once

// Go: the attribute-value text of a whole family of parts, built from the form.

#include <cstdint>
#include <string>

#include "form/window1.h"

namespace generate {

// The largest attribute-value text Go writes, in bytes. A run whose text would be larger is
// refused before its first device, and no text of the program's own is larger, so File > Open
// can refuse a larger file by its size alone.
inline constexpr std::uint64_t kMaxTextBytes = std::uint64_t{64} << 20;

// A size in bytes as the user reads it: "640 bytes", "1.5 KB", "64 MB", "1.6 GB" (1 KB is 1024
// bytes); one decimal below 10, whole numbers from 10 on.
std::string sizeText(std::uint64_t bytes);

// The same rounded up, always with one decimal, so that a size past a limit never reads as the
// limit itself: "64.1 MB" for 64 MB and one byte, "1.0 GB" for 1024 MB less one byte.
std::string roundedUpSizeText(std::uint64_t bytes);

// The step from one nominal value of the chosen series to the next, the values per decade that
// snapping uses, and whether the series is the test series.
struct SeriesStep {
  double ratio = 0;
  int valuesPerDecade = 0;
  bool test = false;
};

// The series of row `row` of SeriesPU; no row (-1) or a row outside the list gives a ratio of 0,
// and so a run with no device.
SeriesStep seriesStep(int row) noexcept;

// The factor below one series step at which a run stops, so that a Stop a little below a series
// value does not produce that value.
double stopMargin(int valuesPerDecade) noexcept;

// The Go button: puts into TestEF the nine section lines that record the form of both windows
// and one device line per value of the chosen series from Start up to about Stop, showing the
// progress in CurrentValueST and the count in DeviceCntST. Refuses, with a message in
// CurrentValueST and an empty TestEF and DeviceCntST, a Start below 0.0001, a range that the
// chosen unit's tables cannot format and a text that would pass kMaxTextBytes; a run that fails
// part-way (out of memory, say) leaves them empty too and says so, and why. The window's
// template is left as the form's handlers keep it; a second press while a run is going on does
// nothing, and a run whose window closes ends at once.
void PushButton1_Action(form::Window1& w);

}  // namespace generate
