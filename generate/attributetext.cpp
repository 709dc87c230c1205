#include "generate/attributetext.h"

#include "form/staticattr.h"
#include "form/window1.h"
#include "framework/numbers.h"
#include "framework/text.h"

namespace generate {
namespace {

constexpr std::string_view kFormatTag = "Format 1.02";
constexpr std::string_view kFiller = "Filler";

SectionField main(std::string_view name, int index = fw::kNoIndex) {
  return {FieldSource::Main, name, index};
}
SectionField stat(std::string_view name) { return {FieldSource::Static, name}; }
SectionField literal(std::string_view text) { return {FieldSource::Literal, text}; }

// The per-source fields of source column i: manufacturer, part-number prefix, value format,
// part-number suffix, vendor, marking.
std::vector<SectionField> sourceFields(int i) {
  return {main("ManufCB", i),  main("PrefixEF", i), main("ValFmtPU", i),
          main("SuffixEF", i), main("VendorEF", i), main("MrkPU", i)};
}

std::vector<SectionField> withTail(std::vector<SectionField> fields,
                                   std::initializer_list<SectionField> tail) {
  fields.insert(fields.end(), tail);
  return fields;
}

std::array<SectionLayout, kSectionCount> makeLayouts() {
  return {{
      {"*_Param_A",
       {main("SeriesPU"), main("ValueSuffixPU"), main("StartEF"), main("StopEF"), main("LibPreEF"),
        main("LibSufEF"), main("PreLOCB"), main("ValPreEF"), main("ValSufEF"), main("RefDesPreCB"),
        literal(kFormatTag), main("RefDesStartEF")}},
      {"*_Source_1", withTail(sourceFields(0), {main("SpiceRefDesPreCB"), main("SpiceParamEF")})},
      {"*_Source_2", withTail(sourceFields(1), {literal(kFiller), literal(kFiller)})},
      {"*_Source_3", withTail(sourceFields(2), {literal(kFiller), literal(kFiller)})},
      {"*_Area_A",
       {main("LengthEF", 0), main("LengthEF", 1), main("LengthEF", 2), main("WidthEF", 0),
        main("WidthEF", 1), main("WidthEF", 2), literal(kFiller), literal(kFiller)}},
      {"*_Static_1",
       {stat("AreaREVmm2EF"), stat("CategoryCB"), stat("FunctionCB"), stat("DateUpdaSymEF"),
        stat("mmHeightEF"), stat("mmHeightActEF"), stat("Cost_1EF"), stat("Cost_100EF"),
        stat("Cost_1000EF"), stat("Cost_10000EF"), stat("CelsiusMinEF"), stat("CelsiusMaxEF")}},
      {"*_Static_2",
       {stat("PadsSMElec"), stat("PadsSMMechEF"), stat("PadsTHElecEF"), stat("PadsTHMechEF"),
        stat("PackageEF"), stat("RestrictEF"), stat("NamePrefixEF"), stat("DescriptionEF"),
        stat("DesignerSymEF"), stat("DesignCycleEF"), stat("GmMassEF")}},
      {"*_Static_3",
       {stat("URLElectricEF"), stat("URLFamilyEF"), stat("URLMechanicalEF"), stat("URLShortDataEF"),
        literal(kFiller), literal(kFiller)}},
      {"*_Source_4",
       {main("SigDigEF", 0), main("IndexStartEF", 0), main("SigDigEF", 1), main("IndexStartEF", 1),
        main("SigDigEF", 2), main("IndexStartEF", 2), main("PrefixPNCB")}},
  }};
}

}  // namespace

const std::array<SectionLayout, kSectionCount>& sectionLayouts() {
  static const auto layouts = makeLayouts();
  return layouts;
}

std::string fieldText(const fw::Control& control) {
  if (const auto* field = dynamic_cast<const fw::EditField*>(&control)) return field->Text();
  if (const auto* combo = dynamic_cast<const fw::ComboBox*>(&control)) return combo->Text();
  if (const auto* popup = dynamic_cast<const fw::PopupMenu*>(&control)) {
    return fw::Str(popup->ListIndex());
  }
  if (const auto* box = dynamic_cast<const fw::CheckBox*>(&control)) {
    return box->Value() ? "True" : "False";
  }
  return {};
}

void appendSectionLines(std::string& text, const form::Window1& main) {
  for (const SectionLayout& section : sectionLayouts()) {
    text += section.marker;
    for (const SectionField& field : section.fields) {
      text += '\t';
      switch (field.source) {
        case FieldSource::Main:
          text += fieldText(main.control(field.name, field.index));
          break;
        case FieldSource::Static:
          // Asked for field by field: the window opens on the first one when it is closed.
          text += fieldText(form::StaticAttr::Instance().control(field.name, field.index));
          break;
        case FieldSource::Literal:
          text += field.name;
          break;
      }
    }
    text += fw::EndOfLine;
  }
}

void appendDeviceLine(std::string& text, std::string_view refDesPrefix, std::int64_t number,
                      const fw::Array<std::string>& cells) {
  text += refDesPrefix;
  text += fw::Str(number);
  text += '\t';
  for (const std::string& cell : cells) text += cell;
}

}  // namespace generate
