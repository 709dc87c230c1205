#pragma once

// Restoring the form from an attribute-value text: the section lines at its top set the controls
// of the main window and of the Static Attributes window, whose handlers then bring the
// device-line template, the unit tables and the Go button in line, as if the user had made each
// setting. Device lines are never read.

#include <cstdint>
#include <string_view>

#include "form/window1.h"

namespace generate {

// Reads the section lines of `text` (UTF-8) into the form of `w` and of the Static Attributes
// window (which opens when a static section needs it). The text is cut into lines at CR LF, or,
// when that gives fewer than 3 pieces, at LF, or else at CR; at most its first 11 lines are
// examined, and the scan ends after the first line whose first field does not begin with "*_"
// (an empty line ends it too). The nine markers may come in any order; a later line with the
// same marker wins. Returns -1, changing nothing, when no line end gives 3 pieces; else 0. The
// fields are read out of `text` as the controls are set, so it must not be a text the form holds.
std::int32_t ParseFileText(form::Window1& w, std::string_view text);

// Whether ParseFileText would find at least one section line in `text`: whether the text holds a
// form at all.
bool HoldsSectionLine(std::string_view text);

}  // namespace generate
