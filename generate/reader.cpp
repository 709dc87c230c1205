#include "generate/reader.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "form/staticattr.h"
#include "framework/numbers.h"
#include "framework/runtime.h"

namespace generate {
namespace {

constexpr int kLastExaminedLine = 10;
// Every section line has at least its marker and six fields; fields past the sixth are read
// only from a line with the full field count of its section.
constexpr size_t kShortestSectionLine = 7;
constexpr size_t kAlwaysReadFields = 6;

bool occursTwice(std::string_view text, std::string_view end) {
  const size_t first = text.find(end);
  return first != std::string_view::npos &&
         text.find(end, first + end.size()) != std::string_view::npos;
}

// The line end that cuts the text into at least 3 pieces, tried in the order CR LF, LF, CR.
std::optional<std::string_view> lineEndOf(std::string_view text) {
  for (std::string_view end : {"\r\n", "\n", "\r"}) {
    if (occursTwice(text, end)) return end;
  }
  return std::nullopt;
}

void setFromField(fw::Control& control, std::string text) {
  if (auto* edit = dynamic_cast<fw::EditField*>(&control)) {
    edit->setText(std::move(text));
  } else if (auto* combo = dynamic_cast<fw::ComboBox*>(&control)) {
    combo->setText(std::move(text));
  } else if (auto* popup = dynamic_cast<fw::PopupMenu*>(&control)) {
    popup->setListIndex(fw::ToInt32(fw::Val(text)));
  } else if (auto* box = dynamic_cast<fw::CheckBox*>(&control)) {
    box->setValue(text == "True");
  }
}

// The most fields a section line has, its marker included.
size_t mostFields() {
  static const size_t most = [] {
    size_t fields = 0;
    for (const SectionLayout& section : sectionLayouts()) {
      fields = std::max(fields, section.fields.size() + 1);
    }
    return fields;
  }();
  return most;
}

// The first mostFields() fields of a line, or all of them when it has fewer, as views into it.
// No section reads a field past its layout, so a line with more fields than that passes for one
// of its section's full field count as it is, and the rest of a long line is never cut up.
std::vector<std::string_view> leadingFields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t from = 0;
  for (size_t tab = line.find('\t');
       tab != std::string_view::npos && fields.size() + 1 < mostFields();
       tab = line.find('\t', from)) {
    fields.push_back(line.substr(from, tab - from));
    from = tab + 1;
  }
  fields.push_back(line.substr(from, line.find('\t', from) - from));
  return fields;
}

// The fields of a line of `section` that set a control, each decoded on its own: a field's text
// becomes a std::string only here.
std::vector<std::pair<const SectionField*, std::string>> settingsOf(
    const SectionLayout& section, const std::vector<std::string_view>& fields,
    fw::Encoding encoding) {
  std::vector<std::pair<const SectionField*, std::string>> settings;
  const size_t count = fields.size();
  const bool full = count >= section.fields.size() + 1;
  const bool firstSource = section.marker == "*_Source_1";
  for (size_t i = 0; i < section.fields.size() && i + 1 < count; ++i) {
    const SectionField& field = section.fields[i];
    if (field.source == FieldSource::Literal) continue;
    if (i >= kAlwaysReadFields && !full) break;
    const std::string_view value = fields[i + 1];
    if (firstSource && i >= kAlwaysReadFields && value == kFiller) continue;
    settings.emplace_back(&field, fw::Decode(value, encoding));
  }
  return settings;
}

// The section whose marker stands in field 0 of a line, when the line is long enough to be one.
const SectionLayout* sectionOf(const std::vector<std::string_view>& fields) {
  if (fields.size() < kShortestSectionLine) return nullptr;
  for (const SectionLayout& section : sectionLayouts()) {
    if (fields[0] == section.marker) return &section;
  }
  return nullptr;
}

// Hands the leading fields of each examined line of `text` to `visit`, in order. False, visiting
// nothing, when no line end cuts the text into 3 pieces.
template <typename Visit>
bool visitExaminedLines(std::string_view text, Visit visit) {
  const std::optional<std::string_view> end = lineEndOf(text);
  if (!end) return false;
  size_t from = 0;
  for (int line = 0; line <= kLastExaminedLine && from != std::string_view::npos; ++line) {
    const size_t at = text.find(*end, from);
    const std::string_view piece =
        text.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from);
    from = at == std::string_view::npos ? at : at + end->size();
    const std::vector<std::string_view> fields = leadingFields(piece);
    visit(fields);
    // A line that is not a section line (the first device line) ends the scan.
    if (!fields[0].starts_with("*_")) break;
  }
  return true;
}

}  // namespace

std::optional<std::vector<ExaminedLine>> ReadSectionLines(std::string_view bytes,
                                                          fw::Encoding encoding) {
  std::vector<ExaminedLine> lines;
  // The marker, the TABs, the line ends and "Filler" are ASCII, the same bytes in either
  // encoding: only the texts of the fields set need decoding.
  const bool cut = visitExaminedLines(bytes, [&](const std::vector<std::string_view>& fields) {
    ExaminedLine& line = lines.emplace_back();
    line.section = sectionOf(fields);
    if (line.section) line.settings = settingsOf(*line.section, fields, encoding);
  });
  if (!cut) return std::nullopt;
  return lines;
}

bool HoldsSectionLine(const std::vector<ExaminedLine>& lines) {
  return std::any_of(lines.begin(), lines.end(),
                     [](const ExaminedLine& line) { return line.section != nullptr; });
}

void SetSectionLines(form::Window1& w, std::vector<ExaminedLine> lines) {
  for (ExaminedLine& line : lines) {
    for (auto& [field, text] : line.settings) {
      // Each control is set through its window's accessor, and its handler runs before the next
      // field is applied: a test series chosen first is overridden by the file's own unit, Start
      // and Stop.
      fw::Window& window = field->source == FieldSource::Main
                               ? static_cast<fw::Window&>(w)
                               : static_cast<fw::Window&>(form::StaticAttr::Instance());
      setFromField(window.control(field->name, field->index), std::move(text));
    }
    fw::Yield();
  }
}

std::int32_t ParseFileText(form::Window1& w, std::string_view text) {
  std::optional<std::vector<ExaminedLine>> lines = ReadSectionLines(text, fw::Encoding::Utf8);
  if (!lines) return -1;
  SetSectionLines(w, std::move(*lines));
  return 0;
}

}  // namespace generate
