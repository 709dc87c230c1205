#include <gtest/gtest.h>

#include <set>
#include <string>

#include "formtest.h"
#include "framework/text.h"

namespace {

using formtest::shownText;

// Disabled: Start and Stop until a unit is chosen, the index fields, the calculator's totals and
// Go; hidden: the two unit labels.
const std::set<std::string> kDisabled = {"StartEF",     "StopEF",     "SigDigEF",   "IndexStartEF",
                                         "LengthTotEF", "WidthTotEF", "PushButton1"};

// Each control in creation order: its place in the tab order, its state when the window opens,
// a text on every label, and the events bound on it (71 in all).
TEST_F(Window1Test, HundredControlsInTabOrderWithSeventyOneBindings) {
  int position = 0;
  int bindings = 0;
  for (const auto& c : w.controls()) {
    const std::string& name = c->Name();
    EXPECT_EQ(c->TabIndex(), position++) << name;
    EXPECT_EQ(c->Enabled(), !kDisabled.contains(name)) << name;
    EXPECT_EQ(c->Visible(), name != "UnitsStartST" && name != "UnitsStopST") << name;
    const bool status = name == "CurrentValueST" || name == "DeviceCntST";
    if (c->kind() == fw::ControlKind::StaticText) {
      EXPECT_EQ(shownText(*c).empty(), status) << name;
    }
    for (fw::Event e : {fw::Event::Open, fw::Event::TextChange, fw::Event::Change,
                        fw::Event::TextChanged, fw::Event::Action}) {
      bindings += c->isBound(e);
    }
  }
  EXPECT_EQ(position, 100);
  EXPECT_EQ(bindings, 71);
}

// The values a run starts from that the template does not hold, and the value-format samples,
// whose runs of blanks line the codes up in columns (each row's length in characters).
TEST_F(Window1Test, StartValuesAndValueFormatSamples) {
  EXPECT_EQ(w.StartEF().Text(), "10");
  EXPECT_EQ(w.StopEF().Text(), "1.0e06");
  EXPECT_EQ(w.SeriesPU().Text(), "E96");
  EXPECT_EQ(w.RefDesStartEF().Text(), "1");
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(w.IndexStartEF(i).Text(), "1");
    const int lengths[] = {69, 75, 53, 51, 65, 64, 67, 58, 48, 48, 48, 59, 57, 72, 51, 47, 43};
    ASSERT_EQ(w.ValFmtPU(i).ListCount(), 17);
    for (int row = 0; row < 17; ++row) EXPECT_EQ(fw::Len(w.ValFmtPU(i).List(row)), lengths[row]);
  }
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
