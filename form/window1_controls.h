#pragma once

// The main window's controls as data: the initial properties of every control, by area of the
// window, and the choice lists.

#include <string>
#include <vector>

#include "framework/control.h"

namespace form {
namespace window1 {

// Choice lists, row 0 first; an empty row means nothing chosen.
const std::vector<std::string>& SeriesRows();
const std::vector<std::string>& ValueSuffixRows();
const std::vector<std::string>& ManufacturerRows();
const std::vector<std::string>& MarkingRows();
const std::vector<std::string>& RefDesRows();
const std::vector<std::string>& SpiceRefDesRows();
// Sample codes of the 17 value formats; the blanks line the samples up in columns.
const std::vector<std::string>& ValueFormatRows();

// Initial properties by area: series, unit, Start and Stop, library name and value texts.
std::vector<fw::ControlSpec> TopBandControls();
// The three source columns with their titles and labels.
std::vector<fw::ControlSpec> SourceColumnControls();
// The area calculator, the reference designators and the SPICE fields.
std::vector<fw::ControlSpec> RightSideControls();
// The Go button, the status texts and the output field.
std::vector<fw::ControlSpec> ActionRowAndOutputControls();

// Row heights shared by the areas, so that fields of one row line up.
inline constexpr int kFieldHeight = 22;
inline constexpr int kPopupHeight = 24;

}  // namespace window1
}  // namespace form
