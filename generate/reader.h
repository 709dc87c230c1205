#pragma once

// Restoring the form from an attribute-value text: the section lines at its top set the controls
// of the main window and of the Static Attributes window, whose handlers then bring the
// device-line template, the unit tables and the Go button in line, as if the user had made each
// setting. Device lines are never read.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "form/window1.h"
#include "framework/encoding.h"
#include "generate/attributetext.h"

namespace generate {

// One examined line of a text: its section (none for a line that is no section line) and the
// fields of it that set controls, each with its text, in the order they are set.
struct ExaminedLine {
  const SectionLayout* section = nullptr;
  std::vector<std::pair<const SectionField*, std::string>> settings;
};

// The examined lines of the text that `bytes` are in `encoding`, with the texts of their fields
// decoded one by one, so that the text as a whole is never built. The text is cut into lines at
// CR LF, or, when that gives fewer than 3 pieces, at LF, or else at CR; at most its first 11
// lines are examined, and the scan ends after the first line whose first field does not begin
// with "*_" (an empty line ends it too). Nothing when no line end gives 3 pieces.
std::optional<std::vector<ExaminedLine>> ReadSectionLines(std::string_view bytes,
                                                          fw::Encoding encoding);

// Whether at least one of `lines` is a section line: whether the text holds a form at all.
bool HoldsSectionLine(const std::vector<ExaminedLine>& lines);

// Sets the controls of the form of `w` and of the Static Attributes window (which opens when a
// static section needs it) from `lines`, line by line. The nine markers may come in any order; a
// later line with the same marker wins. The texts are moved into their controls.
void SetSectionLines(form::Window1& w, std::vector<ExaminedLine> lines);

// Reads the section lines of `text` (UTF-8) into the form of `w`, as ReadSectionLines and
// SetSectionLines do. Returns -1, changing nothing, when no line end gives 3 pieces; else 0.
std::int32_t ParseFileText(form::Window1& w, std::string_view text);

}  // namespace generate
