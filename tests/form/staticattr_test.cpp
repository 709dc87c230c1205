// The Static Attributes window, driven headless: its controls, their initial values and places,
// and its life from the Windows menu to closing.

#include "form/staticattr.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/window1.h"
#include "framework/headlessbackend.h"
#include "framework/runtime.h"

namespace {

using fw::ControlKind;

class StaticAttrTest : public ::testing::Test {
 protected:
  fw::HeadlessBackend backend;
  fw::Runtime runtime{backend};
};

// The 27 attribute fields with their kind, column and row in the grid (the URL rows as row
// 5 to 8, column 0), and their label.
struct AttributeField {
  const char* name;
  ControlKind kind;
  int column, row;
  const char* label;
  const char* labelText;
};

// clang-format off
const AttributeField kAttributeFields[] = {
    {"AreaREVmm2EF",    ControlKind::EditField, 1, 1, "StaticText1",  "AreaREVmm2"},
    {"CategoryCB",      ControlKind::ComboBox,  1, 2, "StaticText3",  "Category"},
    {"FunctionCB",      ControlKind::ComboBox,  1, 3, "StaticText4",  "Function"},
    {"DateUpdaSymEF",   ControlKind::EditField, 1, 4, "StaticText5",  "DateUpdaSym"},
    {"CelsiusMaxEF",    ControlKind::EditField, 2, 1, "StaticText6",  "CelsiusMax"},
    {"CelsiusMinEF",    ControlKind::EditField, 2, 2, "StaticText7",  "CelsiusMin"},
    {"mmHeightEF",      ControlKind::EditField, 2, 3, "StaticText8",  "mmHeight"},
    {"mmHeightActEF",   ControlKind::EditField, 2, 4, "StaticText9",  "mmHeightAct"},
    {"Cost_1EF",        ControlKind::EditField, 3, 1, "StaticText10", "Cost_1"},
    {"Cost_100EF",      ControlKind::EditField, 3, 2, "StaticText11", "Cost_100"},
    {"Cost_1000EF",     ControlKind::EditField, 3, 3, "StaticText12", "Cost_1000"},
    {"Cost_10000EF",    ControlKind::EditField, 3, 4, "StaticText13", "Cost_10000"},
    {"PadsSMElec",      ControlKind::EditField, 4, 1, "StaticText18", "PadsSMElec"},
    {"PadsSMMechEF",    ControlKind::EditField, 4, 2, "StaticText19", "PadsSMMech"},
    {"PadsTHElecEF",    ControlKind::EditField, 4, 3, "StaticText20", "PadsTHElec"},
    {"PadsTHMechEF",    ControlKind::EditField, 4, 4, "StaticText21", "PadsTHMech"},
    {"PackageEF",       ControlKind::EditField, 5, 1, "StaticText22", "Package"},
    {"RestrictEF",      ControlKind::EditField, 5, 2, "StaticText23", "Restrict"},
    {"NamePrefixEF",    ControlKind::EditField, 5, 3, "StaticText24", "Name.Prefix"},
    {"DescriptionEF",   ControlKind::EditField, 5, 4, "StaticText17", "Description"},
    {"DesignCycleEF",   ControlKind::EditField, 6, 1, "StaticText14", "DesignCycle"},
    {"DesignerSymEF",   ControlKind::EditField, 6, 2, "StaticText15", "DesignerSym"},
    {"GmMassEF",        ControlKind::EditField, 6, 3, "StaticText16", "GmMass"},
    {"URLElectricEF",   ControlKind::EditField, 0, 5, "PushButton1",  "URLElectric -->"},
    {"URLMechanicalEF", ControlKind::EditField, 0, 6, "PushButton2",  "URLMechanical -->"},
    {"URLFamilyEF",     ControlKind::EditField, 0, 7, "PushButton3",  "URLFamily -->"},
    {"URLShortDataEF",  ControlKind::EditField, 0, 8, "PushButton4",  "URLShortData -->"},
};
// clang-format on

// Left edge and width of each grid column, and of the URL fields (column 0).
const int kColumnLeft[] = {170, 20, 150, 282, 395, 513, 665};
const int kColumnWidth[] = {676, 98, 107, 91, 91, 124, 181};

std::vector<std::string> rowsOf(const fw::ListControl& list) {
  std::vector<std::string> rows;
  for (int row = 0; row < list.ListCount(); ++row) rows.push_back(list.List(row));
  return rows;
}

std::string textOf(const fw::Control& control) {
  if (auto* field = dynamic_cast<const fw::EditField*>(&control)) return field->Text();
  if (auto* combo = dynamic_cast<const fw::ComboBox*>(&control)) return combo->Text();
  return "(not a text field)";
}

TEST_F(StaticAttrTest, ControlsAreCreatedInTabOrder) {
  const std::vector<std::string> expected = {
      "StaticText1",     "AreaREVmm2EF",  "CategoryCB",     "FunctionCB",    "DateUpdaSymEF",
      "CelsiusMaxEF",    "CelsiusMinEF",  "mmHeightEF",     "mmHeightActEF", "Cost_1EF",
      "Cost_100EF",      "Cost_1000EF",   "Cost_10000EF",   "PadsSMElec",    "PadsSMMechEF",
      "PadsTHElecEF",    "PadsTHMechEF",  "PackageEF",      "RestrictEF",    "NamePrefixEF",
      "DescriptionEF",   "DesignCycleEF", "DesignerSymEF",  "GmMassEF",      "URLElectricEF",
      "URLMechanicalEF", "URLFamilyEF",   "URLShortDataEF", "URLEF",         "HTMLViewer1",
      "StaticText2",     "StaticText3",   "StaticText4",    "StaticText5",   "StaticText6",
      "StaticText7",     "StaticText8",   "StaticText9",    "StaticText10",  "StaticText11",
      "StaticText12",    "StaticText13",  "StaticText14",   "StaticText15",  "StaticText16",
      "StaticText17",    "StaticText18",  "StaticText19",   "StaticText20",  "StaticText21",
      "StaticText22",    "StaticText23",  "StaticText24",   "PushButton1",   "PushButton2",
      "PushButton3",     "PushButton4"};
  std::vector<std::string> names;
  for (const auto& control : form::StaticAttr::Instance().controls()) {
    EXPECT_EQ(control->TabIndex(), static_cast<int>(names.size())) << control->Name();
    names.push_back(control->Name());
  }
  EXPECT_EQ(names, expected);
}

TEST_F(StaticAttrTest, AttributeFieldsStandInTheirGridUnderTheirLabels) {
  auto& window = form::StaticAttr::Instance();
  int rowTop[9] = {};
  for (const AttributeField& row : kAttributeFields) {
    SCOPED_TRACE(row.name);
    const fw::Control& field = window.control(row.name);
    EXPECT_EQ(field.kind(), row.kind);
    EXPECT_EQ(field.initial().Left, kColumnLeft[row.column]);
    const int width = std::string(row.name) == "DescriptionEF" ? 333 : kColumnWidth[row.column];
    EXPECT_EQ(field.initial().Width, width);
    // Fields of one row share their top; each row lies below the one before.
    if (rowTop[row.row] == 0) rowTop[row.row] = field.initial().Top;
    EXPECT_EQ(field.initial().Top, rowTop[row.row]);
    EXPECT_GT(rowTop[row.row], rowTop[row.row - 1]);

    const fw::Control& label = window.control(row.label);
    if (row.column == 0) {  // the URL rows: a button on the left of the field
      auto& button = window.get<fw::PushButton>(row.label);
      EXPECT_EQ(button.Caption(), row.labelText);
      EXPECT_EQ(label.initial().Left, 20);
      EXPECT_EQ(label.initial().Width, 144);
      EXPECT_EQ(label.initial().Top, field.initial().Top);
      EXPECT_FALSE(label.initial().Default || label.initial().Cancel);
      continue;
    }
    EXPECT_EQ(window.get<fw::StaticText>(row.label).Text(), row.labelText);
    EXPECT_EQ(label.initial().Alignment, fw::Align::Center);
    EXPECT_EQ(2 * label.initial().Left + label.initial().Width, 2 * field.initial().Left + width);
    EXPECT_LE(label.initial().Top + label.initial().Height, field.initial().Top);
  }
}

TEST_F(StaticAttrTest, BottomHoldsTheUrlFieldAndTheBlankViewer) {
  auto& window = form::StaticAttr::Instance();
  const fw::ControlSpec& url = window.control("URLEF").initial();
  const fw::ControlSpec& label = window.control("StaticText2").initial();
  const fw::ControlSpec& viewer = window.control("HTMLViewer1").initial();
  EXPECT_EQ(window.get<fw::StaticText>("StaticText2").Text(), "URL:");
  EXPECT_EQ(label.Alignment, fw::Align::Left);
  EXPECT_EQ(url.Left, 30);
  EXPECT_EQ(url.Width, 846);
  EXPECT_TRUE(url.LockBottom && label.LockBottom);
  EXPECT_EQ(window.control("HTMLViewer1").kind(), ControlKind::HTMLViewer);
  EXPECT_EQ(std::vector<int>({viewer.Left, viewer.Top, viewer.Width, viewer.Height}),
            std::vector<int>({0, 383, 876, 267}));
  EXPECT_TRUE(viewer.LockLeft && viewer.LockRight && viewer.LockBottom && !viewer.LockTop);
  // Between the last URL row and the viewer.
  EXPECT_GT(url.Top, window.control("URLShortDataEF").initial().Top);
  EXPECT_LE(url.Top + url.Height, viewer.Top);
}

TEST_F(StaticAttrTest, StartsWithInitialValuesAndEditingRunsNoCode) {
  auto& window = form::StaticAttr::Instance();
  for (const AttributeField& row : kAttributeFields) {
    const std::string expected = std::string(row.name) == "CategoryCB"   ? "PASS"
                                 : std::string(row.name) == "FunctionCB" ? "RES"
                                                                         : "";
    EXPECT_EQ(textOf(window.control(row.name)), expected) << row.name;
  }
  EXPECT_EQ(rowsOf(window.get<fw::ComboBox>("CategoryCB")), std::vector<std::string>{"PASS"});
  EXPECT_EQ(rowsOf(window.get<fw::ComboBox>("FunctionCB")),
            (std::vector<std::string>{"RES", "CAP", "IND"}));
  for (const auto& control : window.controls()) {
    for (fw::Event event : {fw::Event::Open, fw::Event::TextChange, fw::Event::Change,
                            fw::Event::TextChanged, fw::Event::Action}) {
      EXPECT_FALSE(control->isBound(event)) << control->Name();
    }
  }
  // A category that is not in the list can be typed.
  window.get<fw::ComboBox>("CategoryCB").userType("FAIL");
  window.get<fw::ComboBox>("CategoryCB").userCommit();
  EXPECT_EQ(window.get<fw::ComboBox>("CategoryCB").Text(), "FAIL");
}

TEST_F(StaticAttrTest, MenuShowsOneWindowAndAClosedOneComesBackFresh) {
  auto& main = form::Window1::Instance();
  ASSERT_TRUE(runtime.dispatchMenu("WindowsStaticAttributes", &main));
  auto* first = dynamic_cast<form::StaticAttr*>(runtime.findWindow(typeid(form::StaticAttr)));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Title(), "Static Attributes");
  EXPECT_EQ(first->frame().Width, 876);
  EXPECT_EQ(first->frame().Height, 650);
  EXPECT_FALSE(first->frame().Resizeable);
  first->get<fw::EditField>("PackageEF").userSetText("0805");
  first->get<fw::ComboBox>("FunctionCB").userChoose(1);

  // Chosen again, from either window: the same window, values unchanged.
  EXPECT_TRUE(runtime.dispatchMenu("WindowsStaticAttributes", first));
  EXPECT_EQ(&form::StaticAttr::Instance(), first);
  EXPECT_EQ(runtime.windows().size(), 2u);
  EXPECT_EQ(first->get<fw::EditField>("PackageEF").Text(), "0805");
  EXPECT_EQ(backend.shown.back(), first);

  first->Close();
  EXPECT_EQ(runtime.findWindow(typeid(form::StaticAttr)), nullptr);
  EXPECT_TRUE(runtime.dispatchMenu("WindowsStaticAttributes", &main));
  auto& second = form::StaticAttr::Instance();
  EXPECT_EQ(second.get<fw::EditField>("PackageEF").Text(), "");
  EXPECT_EQ(second.get<fw::ComboBox>("FunctionCB").Text(), "RES");
  EXPECT_EQ(runtime.windows().size(), 2u);
}

}  // namespace
