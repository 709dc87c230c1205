#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>

#include "window1_fixture.h"

namespace {

using fw::Event;

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
  if (name.starts_with("StaticText") || name.ends_with("ST")) return fw::ControlKind::StaticText;
  if (name.starts_with("PushButton")) return fw::ControlKind::PushButton;
  if (name.ends_with("EF")) return fw::ControlKind::EditField;
  if (name.ends_with("PU")) return fw::ControlKind::PopupMenu;
  if (name == "PreLOCB" || name == "PrefixPNCB") return fw::ControlKind::CheckBox;
  return fw::ControlKind::ComboBox;
}

TEST_F(Window1Test, HundredControlsInCreationAndTabOrder) {
  std::istringstream order(kCreationOrder);
  int position = 0;
  for (std::string entry; order >> entry; ++position) {
    ASSERT_LT(position, static_cast<int>(w.controls().size()));
    const fw::Control& c = *w.controls()[static_cast<size_t>(position)];
    const std::string name = entry.substr(0, entry.find('('));
    const int index = entry.ends_with(")") ? entry[entry.size() - 2] - '0' : fw::kNoIndex;
    EXPECT_EQ(c.Name(), name) << position;
    EXPECT_EQ(c.Index(), index) << entry;
    EXPECT_EQ(c.TabIndex(), position) << entry;
    EXPECT_EQ(c.kind(), kindByName(name)) << entry;
  }
  EXPECT_EQ(position, 100);
  EXPECT_EQ(w.controls().size(), 100u);
}

// The events bound on each control (every element of an array alike); no other control has one.
// clang-format off
const std::map<std::string, std::set<Event>> kBoundEvents = {
    {"StartEF", {Event::TextChange}}, {"StopEF", {Event::TextChange}},
    {"PrefixEF", {Event::TextChange, Event::Open}}, {"ValFmtPU", {Event::Change, Event::Open}},
    {"SuffixEF", {Event::TextChange, Event::Open}}, {"LibPreEF", {Event::TextChange}},
    {"ManufCB", {Event::Change, Event::Open, Event::TextChanged}},
    {"SeriesPU", {Event::Change}}, {"ValueSuffixPU", {Event::Change}},
    {"PushButton1", {Event::Action}}, {"LibSufEF", {Event::TextChange}},
    {"ValPreEF", {Event::TextChange, Event::Open}}, {"ValSufEF", {Event::TextChange, Event::Open}},
    {"VendorEF", {Event::TextChange, Event::Open}}, {"MrkPU", {Event::Change, Event::Open}},
    {"LengthEF", {Event::TextChange}}, {"WidthEF", {Event::TextChange}},
    {"LengthTotEF", {Event::TextChange}}, {"WidthTotEF", {Event::TextChange}},
    {"AreaEF", {Event::TextChange}}, {"RefDesPreCB", {Event::Change}},
    {"PreLOCB", {Event::Action}}, {"RefDesStartEF", {Event::TextChange}},
    {"SpiceRefDesPreCB", {Event::Change}}, {"SpiceParamEF", {Event::TextChange}},
    {"SigDigEF", {Event::TextChange}}, {"IndexStartEF", {Event::TextChange}},
    {"PrefixPNCB", {Event::Action}},
};
// clang-format on

// Labels, the status texts and the output have none; of the combo boxes only the manufacturers
// react to typing.
TEST_F(Window1Test, SeventyOneBindingsEachControlExactlyItsOwn) {
  int bindings = 0;
  for (const auto& c : w.controls()) {
    std::set<Event> bound;
    for (Event e :
         {Event::Open, Event::TextChange, Event::Change, Event::TextChanged, Event::Action}) {
      if (c->isBound(e)) bound.insert(e);
    }
    bindings += static_cast<int>(bound.size());
    const auto expected = kBoundEvents.find(c->Name());
    EXPECT_EQ(bound, expected == kBoundEvents.end() ? std::set<Event>{} : expected->second)
        << c->Name() << " " << c->Index();
  }
  EXPECT_EQ(bindings, 71);
}

// Every label and status text: its text, alignment and font. The names of a row are those of
// the three source columns, or one control.
struct Label {
  const char* names;
  const char* text;
  fw::Align align;
  int size;
  bool bold;
};

TEST_F(Window1Test, LabelsWithTheirTextsAlignmentAndFont) {
  using enum fw::Align;
  // clang-format off
  const Label labels[] = {
      {"StaticText4", "E Series", Right, 0, false},
      {"StaticText10", "Value Suffix", Right, 0, false},
      {"StaticText1", "Start Value", Right, 0, false},
      {"StaticText2", "Stop Value", Right, 0, false},
      {"UnitsStartST UnitsStopST", "Units", Left, 0, false},
      {"StaticText11", "LibName Prefix", Left, 0, false},
      {"StaticText12", "LibName Suffix", Left, 0, false},
      {"StaticText13", "Value Prefix", Right, 0, false},
      {"StaticText14", "Value Suffix", Right, 0, false},
      {"StaticText9", "Primary Source", Center, 18, true},
      {"StaticText16", "Second Source", Center, 18, true},
      {"StaticText18", "Third Source", Center, 18, true},
      {"StaticText8 StaticText15 StaticText17", "Manufacturer", Center, 0, false},
      {"StaticText5 StaticText23 StaticText26", "Prefix", Right, 0, false},
      {"StaticText6 StaticText24 StaticText27", "Value Format", Center, 0, false},
      {"SigDig0ST SigDig1ST SigDig2ST", "Sig Digits", Right, 0, false},
      {"IndexStart0ST IndexStart1ST IndexStart2ST", "Start", Right, 0, false},
      {"StaticText7 StaticText22 StaticText25", "Suffix", Right, 0, false},
      {"StaticText19 StaticText20 StaticText21", "Vendor", Right, 0, false},
      {"StaticText28 StaticText29 StaticText30", "Pkg Mrk", Right, 0, false},
      {"StaticText31", "Area Calculator", Center, 18, true},
      {"StaticText32 StaticText33 StaticText35 StaticText34", "+", Left, 16, true},
      {"StaticText36", "x", Left, 16, true},
      {"StaticText37", "=", Left, 16, true},
      {"StaticText38", "mm^2", Left, 0, false},
      {"StaticText39", "Reference Des Prefix", Center, 14, false},
      {"StaticText40", "Starting at", Right, 0, false},
      {"StaticText41", "Spice Ref Des", Right, 0, false},
      {"StaticText42", "Spice Parameters", Right, 0, false},
      {"CurrentValueST DeviceCntST", "", Left, 0, false},
  };
  // clang-format on
  int count = 0;
  for (const Label& label : labels) {
    std::istringstream names(label.names);
    for (std::string name; names >> name; ++count) {
      const auto& text = w.get<fw::StaticText>(name);
      EXPECT_EQ(text.Text(), label.text) << name;
      EXPECT_EQ(text.initial().Alignment, label.align) << name;
      EXPECT_EQ(text.initial().TextFont, "System") << name;
      EXPECT_EQ(text.initial().TextSize, label.size) << name;
      EXPECT_EQ(text.initial().Bold, label.bold) << name;
    }
  }
  int staticTexts = 0;
  for (const auto& c : w.controls()) staticTexts += c->kind() == fw::ControlKind::StaticText;
  EXPECT_EQ(count, staticTexts);
}

TEST_F(Window1Test, StartsWithTheDefaultsAndGoDisabled) {
  EXPECT_TRUE(w.PushButton1().initial().Default);
  EXPECT_FALSE(w.PushButton1().initial().Cancel);
  EXPECT_EQ(w.PushButton1().Caption(), "Go");
  EXPECT_EQ(w.StartEF().Text(), "10");
  EXPECT_EQ(w.StopEF().Text(), "1.0e06");
  EXPECT_EQ(w.ValueSuffixPU().ListIndex(), 0);
  EXPECT_EQ(w.SeriesPU().Text(), "E96");
  const char* manufacturers[] = {"Bourns", "Stackpole", "NIC Components"};
  const int formats[] = {1, 0, 1};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(w.SigDigEF(i).Text(), "");
    EXPECT_EQ(w.IndexStartEF(i).Text(), "1");
    EXPECT_EQ(w.ManufCB(i).Text(), manufacturers[i]);
    EXPECT_EQ(w.ValFmtPU(i).ListIndex(), formats[i]);
    EXPECT_EQ(w.MrkPU(i).Text(), "MMME");
  }
  // The blanks belong to the texts.
  EXPECT_EQ(w.ValSufEF().Text(), " 1%");
  EXPECT_EQ(w.SuffixEF(1).Text(), " 1%R");
  EXPECT_EQ(w.PrefixEF(1).Text(), "RMCF1/10 ");
  EXPECT_EQ(w.RefDesPreCB().Text(), "");
  EXPECT_EQ(w.SpiceRefDesPreCB().Text(), "");
  EXPECT_EQ(w.RefDesStartEF().Text(), "1");
  EXPECT_FALSE(w.PreLOCB().Value() || w.PrefixPNCB().Value());
  EXPECT_EQ(w.PreLOCB().Caption(), "Prepend Lib Organizer");
  EXPECT_EQ(w.PrefixPNCB().Caption(), "Prefix with Part Number");
  const fw::ControlSpec& output = w.TestEF().initial();
  EXPECT_TRUE(output.Multiline && !output.ReadOnly && !output.AcceptTabs);
  EXPECT_EQ(output.TextFont, "Monaco");
  EXPECT_EQ(output.TextSize, 10);
  EXPECT_EQ(w.TestEF().Text(), "");
}

// Disabled: Start and Stop until a unit is chosen, the index fields, the calculator's totals and
// Go; hidden: the two unit labels. One help tag; every other control has the system font.
TEST_F(Window1Test, OnlyTheNamedControlsStartDisabledHiddenOrTagged) {
  const std::set<std::string> disabled = {"StartEF",     "StopEF",     "SigDigEF",   "IndexStartEF",
                                          "LengthTotEF", "WidthTotEF", "PushButton1"};
  for (const auto& c : w.controls()) {
    const fw::ControlSpec& s = c->initial();
    SCOPED_TRACE(s.Name + " " + std::to_string(s.Index));
    EXPECT_EQ(c->Enabled(), !disabled.contains(s.Name));
    EXPECT_EQ(c->Visible(), s.Name != "UnitsStartST" && s.Name != "UnitsStopST");
    EXPECT_EQ(s.HelpTag, s.Name == "SuffixEF" && s.Index == 2 ? "TR10F" : "");
    EXPECT_FALSE(s.Italic || s.Underline);
    if (c->kind() == fw::ControlKind::StaticText || s.Name == "TestEF") continue;
    EXPECT_EQ(s.TextFont, "System");
    EXPECT_EQ(s.TextSize, 0);
    EXPECT_FALSE(s.Bold);
    EXPECT_FALSE(s.Multiline);
    EXPECT_EQ(s.Alignment, fw::Align::Left);
  }
}

// Only the output follows the window's size; the other controls lie inside the window, above
// the output, and no two overlap, so no label hides part of its field.
TEST_F(Window1Test, LayoutKeepsControlsApart) {
  const auto& controls = w.controls();
  for (size_t a = 0; a < controls.size(); ++a) {
    const fw::ControlSpec& s = controls[a]->initial();
    const bool output = s.Name == "TestEF";
    EXPECT_EQ(s.LockLeft + s.LockTop + s.LockRight + s.LockBottom, output ? 4 : 0) << s.Name;
    EXPECT_TRUE(s.Left >= 0 && s.Left + s.Width <= 1009) << s.Name;
    EXPECT_TRUE(output || s.Top + s.Height <= 418) << s.Name;
    for (size_t b = a + 1; b < controls.size(); ++b) {
      const fw::ControlSpec& t = controls[b]->initial();
      const bool apart = s.Left + s.Width <= t.Left || t.Left + t.Width <= s.Left ||
                         s.Top + s.Height <= t.Top || t.Top + t.Height <= s.Top;
      EXPECT_TRUE(apart) << s.Name << s.Index << " and " << t.Name << t.Index;
    }
  }
  const fw::ControlSpec& out = w.TestEF().initial();
  EXPECT_EQ(std::vector<int>({out.Left, out.Top, out.Width, out.Height}),
            std::vector<int>({0, 418, 1009, 278}));
  // The source columns begin at x 9, 259 and 509 and are 200 pixels wide.
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(w.ManufCB(i).initial().Left, 9 + 250 * i);
    EXPECT_EQ(w.ValFmtPU(i).initial().Left + w.ValFmtPU(i).initial().Width, 209 + 250 * i);
  }
  EXPECT_EQ(w.PushButton1().initial().Top, 386);
}

}  // namespace
