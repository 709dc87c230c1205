#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "formtest.h"

namespace {

// Every control in creation order, which is the tab order; "(i)" is element i of an array.
constexpr const char* kCreationOrder =
    "StaticText36 StaticText33 StaticText32 StartEF StaticText1 StopEF StaticText2 StaticText4 "
    "PrefixEF(0) ValFmtPU(0) SuffixEF(0) StaticText5 StaticText6 StaticText7 StaticText8 "
    "LibPreEF StaticText9 ManufCB(0) SeriesPU StaticText10 StaticText11 StaticText12 "
    "ValueSuffixPU UnitsStartST UnitsStopST TestEF PushButton1 LibSufEF ValPreEF StaticText13 "
    "StaticText14 ValSufEF StaticText15 StaticText16 ManufCB(1) PrefixEF(1) ValFmtPU(1) "
    "SuffixEF(1) StaticText17 StaticText18 ManufCB(2) PrefixEF(2) ValFmtPU(2) SuffixEF(2) "
    "StaticText19 VendorEF(0) StaticText20 VendorEF(1) StaticText21 VendorEF(2) StaticText22 "
    "StaticText23 StaticText24 StaticText25 StaticText26 StaticText27 CurrentValueST MrkPU(0) "
    "StaticText28 MrkPU(1) StaticText29 MrkPU(2) StaticText30 DeviceCntST LengthEF(0) "
    "StaticText31 LengthEF(1) LengthEF(2) StaticText34 StaticText35 WidthEF(0) WidthEF(1) "
    "WidthEF(2) LengthTotEF WidthTotEF StaticText37 AreaEF StaticText38 RefDesPreCB "
    "StaticText39 PreLOCB RefDesStartEF StaticText40 SpiceRefDesPreCB StaticText41 SpiceParamEF "
    "StaticText42 SigDig0ST SigDigEF(0) IndexStart0ST IndexStartEF(0) SigDig1ST SigDigEF(1) "
    "IndexStart1ST IndexStartEF(1) IndexStartEF(2) IndexStart2ST SigDigEF(2) SigDig2ST "
    "PrefixPNCB";

// The kind a control's name tells: a suffix, or the framework's default name.
fw::ControlKind kindByName(const std::string& name) {
  if (name.starts_with("PushButton")) return fw::ControlKind::PushButton;
  if (name.ends_with("EF")) return fw::ControlKind::EditField;
  if (name.ends_with("PU")) return fw::ControlKind::PopupMenu;
  if (name == "PreLOCB" || name == "PrefixPNCB") return fw::ControlKind::CheckBox;
  return fw::ControlKind::ComboBox;
}

// Disabled: Start and Stop until a unit is chosen, the index fields, the calculator's totals and
// Go; hidden: the two unit labels.
const std::set<std::string> kDisabled = {"StartEF",     "StopEF",     "SigDigEF",   "IndexStartEF",
                                         "LengthTotEF", "WidthTotEF", "PushButton1"};

// Each control in turn: its place in the tab order, its state when the window opens and the
// events bound on it (71 in all; labels, the status texts and the output have none), each
// control other than a label of the kind its name tells. One help tag.
TEST_F(Window1Test, HundredControlsInTabOrderWithSeventyOneBindings) {
  std::istringstream order(kCreationOrder);
  int position = 0;
  int bindings = 0;
  for (const auto& c : w.controls()) {
    const std::string name = c->Name();
    const std::string entry =
        c->Index() == fw::kNoIndex ? name : name + "(" + std::to_string(c->Index()) + ")";
    EXPECT_EQ(c->TabIndex(), position++) << entry;
    EXPECT_EQ(c->Enabled(), !kDisabled.contains(name)) << entry;
    EXPECT_EQ(c->Visible(), name != "UnitsStartST" && name != "UnitsStopST") << entry;
    EXPECT_EQ(c->initial().HelpTag, entry == "SuffixEF(2)" ? "TR10F" : "") << entry;
    for (fw::Event e : {fw::Event::Open, fw::Event::TextChange, fw::Event::Change,
                        fw::Event::TextChanged, fw::Event::Action}) {
      bindings += c->isBound(e);
    }
    std::string expected;
    order >> expected;
    EXPECT_EQ(entry, expected) << position;
    if (c->kind() != fw::ControlKind::StaticText) {
      EXPECT_EQ(c->kind(), kindByName(name)) << entry;
    }
  }
  EXPECT_EQ(position, 100);
  EXPECT_EQ(bindings, 71);
  std::string missing;
  EXPECT_FALSE(order >> missing) << missing;
}

// What the window shows when it opens: every label (the names of a row are those of the three
// source columns, or one control), the buttons, and the start values that the template does
// not hold.
TEST_F(Window1Test, TextsShownOnOpening) {
  struct Shown {
    const char* names;
    const char* text;
  };
  // clang-format off
  const Shown shown[] = {
      {"StaticText4", "E Series"},
      {"StaticText10", "Value Suffix"},
      {"StaticText1", "Start Value"},
      {"StaticText2", "Stop Value"},
      {"UnitsStartST UnitsStopST", "Units"},
      {"StaticText11", "LibName Prefix"},
      {"StaticText12", "LibName Suffix"},
      {"StaticText13", "Value Prefix"},
      {"StaticText14", "Value Suffix"},
      {"StaticText9", "Primary Source"},
      {"StaticText16", "Second Source"},
      {"StaticText18", "Third Source"},
      {"StaticText8 StaticText15 StaticText17", "Manufacturer"},
      {"StaticText5 StaticText23 StaticText26", "Prefix"},
      {"StaticText6 StaticText24 StaticText27", "Value Format"},
      {"SigDig0ST SigDig1ST SigDig2ST", "Sig Digits"},
      {"IndexStart0ST IndexStart1ST IndexStart2ST", "Start"},
      {"StaticText7 StaticText22 StaticText25", "Suffix"},
      {"StaticText19 StaticText20 StaticText21", "Vendor"},
      {"StaticText28 StaticText29 StaticText30", "Pkg Mrk"},
      {"StaticText31", "Area Calculator"},
      {"StaticText32 StaticText33 StaticText35 StaticText34", "+"},
      {"StaticText36", "x"},
      {"StaticText37", "="},
      {"StaticText38", "mm^2"},
      {"StaticText39", "Reference Des Prefix"},
      {"StaticText40", "Starting at"},
      {"StaticText41", "Spice Ref Des"},
      {"StaticText42", "Spice Parameters"},
      {"CurrentValueST DeviceCntST", ""},
      {"PushButton1", "Go"},
      {"PreLOCB", "Prepend Lib Organizer"},
      {"PrefixPNCB", "Prefix with Part Number"},
      {"StartEF", "10"},
      {"StopEF", "1.0e06"},
      {"SeriesPU", "E96"},
      {"RefDesStartEF IndexStartEF(0) IndexStartEF(1) IndexStartEF(2)", "1"},
  };
  // clang-format on
  int labels = 0;
  for (const Shown& row : shown) {
    std::istringstream names(row.names);
    for (std::string name; names >> name;) {
      const fw::Control& c = formtest::controlOf(w, name);
      EXPECT_EQ(formtest::shownText(c), row.text) << name;
      labels += c.kind() == fw::ControlKind::StaticText;
    }
  }
  int staticTexts = 0;
  for (const auto& c : w.controls()) staticTexts += c->kind() == fw::ControlKind::StaticText;
  EXPECT_EQ(labels, staticTexts);
}

// Only the output follows the window's size; the other controls lie above it.
TEST_F(Window1Test, LayoutKeepsControlsApart) {
  formtest::expectControlsApart(w, 1009, 709);
  for (const auto& c : w.controls()) {
    const fw::ControlSpec& s = c->initial();
    const bool output = s.Name == "TestEF";
    EXPECT_EQ(s.LockLeft + s.LockTop + s.LockRight + s.LockBottom, output ? 4 : 0) << s.Name;
    EXPECT_TRUE(output || s.Top + s.Height <= w.TestEF().initial().Top) << s.Name;
  }
}

}  // namespace
