#include "generate/attributetext.h"

#include "form/staticattr.h"
#include "form/window1.h"
#include "framework/numbers.h"
#include "framework/text.h"

namespace generate {
namespace {

constexpr std::string_view kFormatTag = "Format 1.02";

SectionField mainField(std::string_view name, int index = fw::kNoIndex) {
  return {FieldSource::Main, name, index};
}
SectionField staticField(std::string_view name) { return {FieldSource::Static, name}; }
SectionField literal(std::string_view text) { return {FieldSource::Literal, text}; }

// The per-source fields of source column i: manufacturer, part-number prefix, value format,
// part-number suffix, vendor, marking.
std::vector<SectionField> sourceFields(int i) {
  return {mainField("ManufCB", i),  mainField("PrefixEF", i), mainField("ValFmtPU", i),
          mainField("SuffixEF", i), mainField("VendorEF", i), mainField("MrkPU", i)};
}

std::vector<SectionField> withTail(std::vector<SectionField> fields,
                                   std::initializer_list<SectionField> tail) {
  fields.insert(fields.end(), tail);
  return fields;
}

std::array<SectionLayout, kSectionCount> makeLayouts() {
  return {{
      {"*_Param_A",
       {mainField("SeriesPU"), mainField("ValueSuffixPU"), mainField("StartEF"),
        mainField("StopEF"), mainField("LibPreEF"), mainField("LibSufEF"), mainField("PreLOCB"),
        mainField("ValPreEF"), mainField("ValSufEF"), mainField("RefDesPreCB"), literal(kFormatTag),
        mainField("RefDesStartEF")}},
      {"*_Source_1",
       withTail(sourceFields(0), {mainField("SpiceRefDesPreCB"), mainField("SpiceParamEF")})},
      {"*_Source_2", withTail(sourceFields(1), {literal(kFiller), literal(kFiller)})},
      {"*_Source_3", withTail(sourceFields(2), {literal(kFiller), literal(kFiller)})},
      {"*_Area_A",
       {mainField("LengthEF", 0), mainField("LengthEF", 1), mainField("LengthEF", 2),
        mainField("WidthEF", 0), mainField("WidthEF", 1), mainField("WidthEF", 2), literal(kFiller),
        literal(kFiller)}},
      {"*_Static_1",
       {staticField("AreaREVmm2EF"), staticField("CategoryCB"), staticField("FunctionCB"),
        staticField("DateUpdaSymEF"), staticField("mmHeightEF"), staticField("mmHeightActEF"),
        staticField("Cost_1EF"), staticField("Cost_100EF"), staticField("Cost_1000EF"),
        staticField("Cost_10000EF"), staticField("CelsiusMinEF"), staticField("CelsiusMaxEF")}},
      {"*_Static_2",
       {staticField("PadsSMElec"), staticField("PadsSMMechEF"), staticField("PadsTHElecEF"),
        staticField("PadsTHMechEF"), staticField("PackageEF"), staticField("RestrictEF"),
        staticField("NamePrefixEF"), staticField("DescriptionEF"), staticField("DesignerSymEF"),
        staticField("DesignCycleEF"), staticField("GmMassEF")}},
      {"*_Static_3",
       {staticField("URLElectricEF"), staticField("URLFamilyEF"), staticField("URLMechanicalEF"),
        staticField("URLShortDataEF"), literal(kFiller), literal(kFiller)}},
      {"*_Source_4",
       {mainField("SigDigEF", 0), mainField("IndexStartEF", 0), mainField("SigDigEF", 1),
        mainField("IndexStartEF", 1), mainField("SigDigEF", 2), mainField("IndexStartEF", 2),
        mainField("PrefixPNCB")}},
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

}  // namespace generate
