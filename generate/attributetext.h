#pragma once

// The attribute-value text: the one document of the program. Go builds it, File > Save writes
// it and File > Open reads its section lines back into the form.
//
// Format. A sequence of lines, each ending with fw::EndOfLine (the last one too); fields within
// a line are separated by one TAB. Field texts are written exactly as their control holds them
// (no quoting or escaping): an edit field or combo box gives its text, a pop-up menu the decimal
// number of its chosen row ("-1" when none), a check box "True" or "False".
//   1. Nine section lines, in the order of sectionLayouts(): field 0 is the section's marker
//      ("*_Param_A", "*_Source_1", ...), then one field per entry of its layout. Together they
//      record every setting of the main window and the Static Attributes window.
//   2. One device line per generated value, in ascending order: the reference designator, a
//      TAB, then the 51 cells of the device-line template joined with nothing between them; the
//      template's TAB cells give 20 columns in all (name, value, value field, the three
//      sources' manufacturer, part number, vendor and marking, the SPICE value, the package
//      area, the SPICE prefix and parameters).
// A run of the test series writes, in place of each device line, a listing that compares the
// value formatters, followed by the template's cells 26 to 50: a diagnostic, not device lines.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/array.h"
#include "framework/control.h"
#include "framework/numbers.h"

namespace form {
class Window1;
}

namespace generate {

// Where a section field comes from.
enum class FieldSource {
  Main,     // a control of the main window
  Static,   // a control of the Static Attributes window
  Literal,  // a fixed text: the format tag or the place holder
};

struct SectionField {
  FieldSource source = FieldSource::Literal;
  // The control's name, or the literal text itself.
  std::string_view name;
  // The element of a control array (0 to 2), or fw::kNoIndex.
  int index = fw::kNoIndex;
};

struct SectionLayout {
  std::string_view marker;
  // Fields 1 onward, in the order the format writes them.
  std::vector<SectionField> fields;
};

inline constexpr int kSectionCount = 9;

// The place holder written where a section has no setting to record; a file may also carry it
// where the first source's SPICE fields stand, and then they are left as they are.
inline constexpr std::string_view kFiller = "Filler";

// The nine section lines, in the order they are written.
const std::array<SectionLayout, kSectionCount>& sectionLayouts();

// A control's value as a field text.
std::string fieldText(const fw::Control& control);

// Appends the nine section lines for the form of `main` and of the Static Attributes window,
// each field read from its control now. Reaching the Static Attributes window opens it (with its
// initial values) when it is not open.
void appendSectionLines(std::string& text, const form::Window1& main);

// Appends one device line: `refDesPrefix` and `number` in decimal, a TAB, then every cell of
// `cells` in order. `text` is a std::string, or anything else that takes texts and characters by
// += (Go counts a text's bytes by the same steps that write it).
template <class Text>
void appendDeviceLine(Text& text, std::string_view refDesPrefix, std::int64_t number,
                      const fw::Array<std::string>& cells) {
  text += refDesPrefix;
  text += fw::Str(number);
  text += '\t';
  for (const std::string& cell : cells) text += cell;
}

}  // namespace generate
