#include <gtest/gtest.h>

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

TEST_F(Window1Test, SeventyOneBindingsAndNoneOnLabelsOrOutput) {
  int bindings = 0;
  for (const auto& c : w.controls()) {
    for (Event e :
         {Event::Open, Event::TextChange, Event::Change, Event::TextChanged, Event::Action}) {
      bindings += c->isBound(e) ? 1 : 0;
      if (c->kind() == fw::ControlKind::StaticText || c->Name() == "TestEF") {
        EXPECT_FALSE(c->isBound(e)) << c->Name();
      }
    }
  }
  EXPECT_EQ(bindings, 71);
  // Only the manufacturers react to typing; the other combo boxes only to a choice.
  EXPECT_TRUE(w.ManufCB(2).isBound(Event::TextChanged));
  EXPECT_FALSE(w.RefDesPreCB().isBound(Event::TextChanged));
  EXPECT_FALSE(w.SpiceRefDesPreCB().isBound(Event::TextChanged));
  EXPECT_FALSE(w.LibPreEF().isBound(Event::Open));
}

TEST_F(Window1Test, StartsWithTheDefaultsAndGoDisabled) {
  EXPECT_FALSE(w.PushButton1().Enabled());
  EXPECT_TRUE(w.PushButton1().spec().Default);
  EXPECT_EQ(w.PushButton1().Caption(), "Go");
  EXPECT_FALSE(w.StartEF().Enabled() || w.StopEF().Enabled());
  EXPECT_EQ(w.StartEF().Text(), "10");
  EXPECT_EQ(w.StopEF().Text(), "1.0e06");
  EXPECT_FALSE(w.UnitsStartST().Visible() || w.UnitsStopST().Visible());
  EXPECT_EQ(w.UnitsStopST().Text(), "Units");
  EXPECT_EQ(w.ValueSuffixPU().ListIndex(), 0);
  EXPECT_EQ(w.SeriesPU().Text(), "E96");
  const char* manufacturers[] = {"Bourns", "Stackpole", "NIC Components"};
  const int formats[] = {1, 0, 1};
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(w.SigDigEF(i).Enabled() || w.IndexStartEF(i).Enabled()) << i;
    EXPECT_EQ(w.IndexStartEF(i).Text(), "1");
    EXPECT_EQ(w.ManufCB(i).Text(), manufacturers[i]);
    EXPECT_EQ(w.ValFmtPU(i).ListIndex(), formats[i]);
    EXPECT_EQ(w.MrkPU(i).Text(), "MMME");
  }
  // The blanks belong to the texts.
  EXPECT_EQ(w.ValSufEF().Text(), " 1%");
  EXPECT_EQ(w.SuffixEF(1).Text(), " 1%R");
  EXPECT_EQ(w.PrefixEF(1).Text(), "RMCF1/10 ");
  EXPECT_EQ(w.SuffixEF(2).spec().HelpTag, "TR10F");
  EXPECT_FALSE(w.LengthTotEF().Enabled() || w.WidthTotEF().Enabled());
  EXPECT_EQ(w.RefDesPreCB().Text(), "");
  EXPECT_EQ(w.get<fw::StaticText>("StaticText9").spec().TextSize, 18);
  EXPECT_EQ(w.TestEF().spec().TextFont, "Monaco");
  EXPECT_EQ(w.TestEF().spec().TextSize, 10);
}

// Only the output follows the window's size; the other controls lie inside the window, above
// the output, and no two overlap, so no label hides part of its field.
TEST_F(Window1Test, LayoutKeepsControlsApart) {
  const auto& controls = w.controls();
  for (size_t a = 0; a < controls.size(); ++a) {
    const fw::ControlSpec& s = controls[a]->spec();
    const bool output = s.Name == "TestEF";
    EXPECT_EQ(s.LockLeft + s.LockTop + s.LockRight + s.LockBottom, output ? 4 : 0) << s.Name;
    EXPECT_TRUE(s.Left >= 0 && s.Left + s.Width <= 1009) << s.Name;
    EXPECT_TRUE(output || s.Top + s.Height <= 418) << s.Name;
    for (size_t b = a + 1; b < controls.size(); ++b) {
      const fw::ControlSpec& t = controls[b]->spec();
      const bool apart = s.Left + s.Width <= t.Left || t.Left + t.Width <= s.Left ||
                         s.Top + s.Height <= t.Top || t.Top + t.Height <= s.Top;
      EXPECT_TRUE(apart) << s.Name << s.Index << " and " << t.Name << t.Index;
    }
  }
  const fw::ControlSpec& out = w.TestEF().spec();
  EXPECT_EQ(std::vector<int>({out.Left, out.Top, out.Width, out.Height}),
            std::vector<int>({0, 418, 1009, 278}));
  // The source columns begin at x 9, 259 and 509 and are 200 pixels wide.
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(w.ManufCB(i).spec().Left, 9 + 250 * i);
    EXPECT_EQ(w.ValFmtPU(i).spec().Left + w.ValFmtPU(i).spec().Width, 209 + 250 * i);
  }
  EXPECT_EQ(w.PushButton1().spec().Top, 386);
}

}  // namespace
