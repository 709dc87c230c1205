#include "form/staticattr_controls.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>

namespace form {
namespace {

using fw::ControlKind;
using fw::ControlSpec;

struct Box {
  int left = 0, top = 0, width = 0, height = 0;
};

struct Column {
  int left = 0, width = 0;
};

// The attribute grid: six columns, numbered from 1 as the window reads left to right, and four
// rows; every field has its label centred above it.
constexpr std::array<Column, 6> kColumns = {
    {{20, 98}, {150, 107}, {282, 91}, {395, 91}, {513, 124}, {665, 181}}};
constexpr int kFirstRowTop = 12;
constexpr int kRowPitch = 48;
constexpr int kLabelHeight = 20;
constexpr int kFieldHeight = 22;
// The description is the one field that spans two columns (5 and 6).
constexpr int kDescriptionWidth = 333;

// The URL rows under the grid: a button on the left, a wide field beside it.
constexpr int kFirstUrlTop = 214;
constexpr int kUrlPitch = 30;
constexpr Column kUrlButton = {20, 144};
constexpr Column kUrlField = {170, 676};

// The bottom of the window: the URL field across it and the blank viewer under it, which
// fills the rest of the 876 x 650 window.
constexpr Box kUrlLabel = {0, 352, 30, kFieldHeight};
constexpr Box kUrlEdit = {30, 352, 846, kFieldHeight};
constexpr Box kViewer = {0, 383, 876, 267};

Box fieldAt(int column, int row, int width = 0) {
  const Column& c = kColumns.at(static_cast<std::size_t>(column - 1));
  const int top = kFirstRowTop + (row - 1) * kRowPitch + kLabelHeight;
  return {c.left, top, width > 0 ? width : c.width, kFieldHeight};
}

Box labelAbove(int column, int row, int width = 0) {
  const Box field = fieldAt(column, row, width);
  return {field.left, field.top - kLabelHeight, field.width, kLabelHeight};
}

Box urlRow(Column part, int row) {
  return {part.left, kFirstUrlTop + (row - 1) * kUrlPitch, part.width, kFieldHeight};
}

// A control of `kind` in `box` with the kind's defaults; the helpers below add what differs.
ControlSpec placed(ControlKind kind, std::string name, Box box) {
  return {.kind = kind,
          .Name = std::move(name),
          .Left = box.left,
          .Top = box.top,
          .Width = box.width,
          .Height = box.height};
}

ControlSpec editField(std::string name, Box box) {
  return placed(ControlKind::EditField, std::move(name), box);
}

ControlSpec label(std::string name, std::string text, Box box,
                  fw::Align align = fw::Align::Center) {
  ControlSpec props = placed(ControlKind::StaticText, std::move(name), box);
  props.Text = std::move(text);
  props.Alignment = align;
  return props;
}

// The choice list's first row is chosen, so its text is the initial value.
ControlSpec comboBox(std::string name, Box box, std::vector<std::string> rows) {
  ControlSpec props = placed(ControlKind::ComboBox, std::move(name), box);
  props.InitialValue = std::move(rows);
  props.ListIndex = 0;
  return props;
}

ControlSpec urlButton(std::string name, std::string caption, int row) {
  ControlSpec props = placed(ControlKind::PushButton, std::move(name), urlRow(kUrlButton, row));
  props.Caption = std::move(caption);
  return props;
}

ControlSpec lockedToBottom(ControlSpec props) {
  props.LockBottom = true;
  return props;
}

// The viewer follows the window's left, right and bottom edges. It stands first in the tab
// order, beside the first label; being inert, it never takes the focus.
ControlSpec viewer(std::string name, Box box) {
  ControlSpec props = lockedToBottom(placed(ControlKind::HTMLViewer, std::move(name), box));
  props.LockLeft = props.LockRight = true;
  props.TabIndex = 0;
  return props;
}

}  // namespace

std::vector<ControlSpec> StaticAttrControls() {
  return {
      label("StaticText1", "AreaREVmm2", labelAbove(1, 1)),
      editField("AreaREVmm2EF", fieldAt(1, 1)),
      comboBox("CategoryCB", fieldAt(1, 2), {"PASS"}),
      comboBox("FunctionCB", fieldAt(1, 3), {"RES", "CAP", "IND"}),
      editField("DateUpdaSymEF", fieldAt(1, 4)),
      editField("CelsiusMaxEF", fieldAt(2, 1)),
      editField("CelsiusMinEF", fieldAt(2, 2)),
      editField("mmHeightEF", fieldAt(2, 3)),
      editField("mmHeightActEF", fieldAt(2, 4)),
      editField("Cost_1EF", fieldAt(3, 1)),
      editField("Cost_100EF", fieldAt(3, 2)),
      editField("Cost_1000EF", fieldAt(3, 3)),
      editField("Cost_10000EF", fieldAt(3, 4)),
      editField("PadsSMElec", fieldAt(4, 1)),
      editField("PadsSMMechEF", fieldAt(4, 2)),
      editField("PadsTHElecEF", fieldAt(4, 3)),
      editField("PadsTHMechEF", fieldAt(4, 4)),
      editField("PackageEF", fieldAt(5, 1)),
      editField("RestrictEF", fieldAt(5, 2)),
      editField("NamePrefixEF", fieldAt(5, 3)),
      editField("DescriptionEF", fieldAt(5, 4, kDescriptionWidth)),
      editField("DesignCycleEF", fieldAt(6, 1)),
      editField("DesignerSymEF", fieldAt(6, 2)),
      editField("GmMassEF", fieldAt(6, 3)),
      editField("URLElectricEF", urlRow(kUrlField, 1)),
      editField("URLMechanicalEF", urlRow(kUrlField, 2)),
      editField("URLFamilyEF", urlRow(kUrlField, 3)),
      editField("URLShortDataEF", urlRow(kUrlField, 4)),
      lockedToBottom(editField("URLEF", kUrlEdit)),
      viewer("HTMLViewer1", kViewer),
      lockedToBottom(label("StaticText2", "URL:", kUrlLabel, fw::Align::Left)),
      label("StaticText3", "Category", labelAbove(1, 2)),
      label("StaticText4", "Function", labelAbove(1, 3)),
      label("StaticText5", "DateUpdaSym", labelAbove(1, 4)),
      label("StaticText6", "CelsiusMax", labelAbove(2, 1)),
      label("StaticText7", "CelsiusMin", labelAbove(2, 2)),
      label("StaticText8", "mmHeight", labelAbove(2, 3)),
      label("StaticText9", "mmHeightAct", labelAbove(2, 4)),
      label("StaticText10", "Cost_1", labelAbove(3, 1)),
      label("StaticText11", "Cost_100", labelAbove(3, 2)),
      label("StaticText12", "Cost_1000", labelAbove(3, 3)),
      label("StaticText13", "Cost_10000", labelAbove(3, 4)),
      label("StaticText14", "DesignCycle", labelAbove(6, 1)),
      label("StaticText15", "DesignerSym", labelAbove(6, 2)),
      label("StaticText16", "GmMass", labelAbove(6, 3)),
      label("StaticText17", "Description", labelAbove(5, 4, kDescriptionWidth)),
      label("StaticText18", "PadsSMElec", labelAbove(4, 1)),
      label("StaticText19", "PadsSMMech", labelAbove(4, 2)),
      label("StaticText20", "PadsTHElec", labelAbove(4, 3)),
      label("StaticText21", "PadsTHMech", labelAbove(4, 4)),
      label("StaticText22", "Package", labelAbove(5, 1)),
      label("StaticText23", "Restrict", labelAbove(5, 2)),
      label("StaticText24", "Name.Prefix", labelAbove(5, 3)),
      urlButton("PushButton1", "URLElectric -->", 1),
      urlButton("PushButton2", "URLMechanical -->", 2),
      urlButton("PushButton3", "URLFamily -->", 3),
      urlButton("PushButton4", "URLShortData -->", 4),
  };
}

}  // namespace form
