// The main window as it is built: its controls and their order, their state and places, the
// values the Open handlers seed, and its menu bar.

#include <set>
#include <string>
#include <vector>

#include "form/creationorder.h"
#include "form/menubar1.h"
#include "formtest.h"
#include "framework/exceptions.h"
#include "framework/text.h"

namespace {

using formtest::shownText;

// Properties kept by area come out in the creation order; a control whose properties no entry
// names, an entry without properties and one named twice are mistakes that stop the window.
TEST(CreationOrder, EveryControlHasExactlyOneEntry) {
  using Order = std::vector<form::ControlRef>;
  const std::vector<fw::ControlSpec> props = {
      {.Name = "StartEF"}, {.Name = "PrefixEF", .Index = 0}, {.Name = "PrefixEF", .Index = 1}};
  std::string names;
  for (const auto& p :
       form::inCreationOrder(Order{{"PrefixEF", 1}, {"StartEF"}, {"PrefixEF", 0}}, props)) {
    names += p.Name + std::to_string(p.Index) + " ";
  }
  EXPECT_EQ(names, "PrefixEF1 StartEF-2147483648 PrefixEF0 ");
  for (const Order& wrong : {Order{{"PrefixEF", 1}, {"StartEF"}},
                             Order{{"PrefixEF", 1}, {"StartEF"}, {"PrefixEF", 0}, {"StopEF"}},
                             Order{{"PrefixEF", 1}, {"StartEF"}, {"PrefixEF", 0}, {"StartEF"}}}) {
    EXPECT_THROW(form::inCreationOrder(wrong, props), fw::RuntimeException);
  }
}

// Each control in creation order: its place in the tab order, its state when the window opens
// (disabled: Start and Stop until a unit is chosen, the index fields, the calculator's totals
// and Go; hidden: the two unit labels), a text on every label, and the events bound on it. No
// two controls overlap, and only the output follows the window's size, below all the others.
TEST_F(Window1Test, HundredControlsInTabOrderWithSeventyOneBindings) {
  formtest::expectControlsApart(w, 1009, 709);
  const std::set<std::string> disabled = {"StartEF",     "StopEF",     "SigDigEF",   "IndexStartEF",
                                          "LengthTotEF", "WidthTotEF", "PushButton1"};
  int position = 0;
  int bindings = 0;
  for (const auto& c : w.controls()) {
    const std::string& name = c->Name();
    EXPECT_EQ(c->TabIndex(), position++) << name;
    EXPECT_EQ(c->Enabled(), !disabled.contains(name)) << name;
    EXPECT_EQ(c->Visible(), name != "UnitsStartST" && name != "UnitsStopST") << name;
    if (c->kind() == fw::ControlKind::StaticText) {
      EXPECT_EQ(shownText(*c).empty(), name == "CurrentValueST" || name == "DeviceCntST") << name;
    }
    bindings += formtest::bindingsOf(*c);
    const fw::ControlSpec& s = c->initial();
    const bool output = name == "TestEF";
    EXPECT_EQ(s.LockLeft + s.LockTop + s.LockRight + s.LockBottom, output ? 4 : 0) << name;
    EXPECT_TRUE(output || s.Top + s.Height <= w.TestEF().initial().Top) << name;
  }
  EXPECT_EQ(position, 100);
  EXPECT_EQ(bindings, 71);
}

// The values a run starts from that no golden form leaves as they are; the value-format and
// marking choices that the Open handlers put at the cells they govern; and the value-format
// samples, whose runs of blanks line the codes up in columns (each row's length in characters).
TEST_F(Window1Test, StartValuesAndValueFormatSamples) {
  EXPECT_EQ(w.StartEF().Text(), "10");
  EXPECT_EQ(w.StopEF().Text(), "1.0e06");
  EXPECT_EQ(w.SeriesPU().Text(), "E96");
  for (int n = 0; n <= form::kTemplateLastCell; ++n) {
    EXPECT_EQ(w.ResCodeFormat[n], n == 13 || n == 33 ? 1 : 0) << n;
    EXPECT_EQ(w.MrkFormat[n], n == 18 || n == 28 || n == 38 ? 2 : 0) << n;
  }
  const int lengths[] = {69, 75, 53, 51, 65, 64, 67, 58, 48, 48, 48, 59, 57, 72, 51, 47, 43};
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(w.ValFmtPU(i).ListCount(), 17);
    for (int row = 0; row < 17; ++row) EXPECT_EQ(fw::Len(w.ValFmtPU(i).List(row)), lengths[row]);
  }
}

// The File menu holds Open, Save and Quit, the Edit menu eight entries with separators after Undo
// and after Delete, the Windows menu one item. Every item reaches its command: the framework's
// quit or text editing, or the main window's handler registered under the item's name. The main
// window shows the one menu bar.
TEST_F(Window1Test, EveryMenuItemReachesItsCommand) {
  const auto bar = form::MenuBar1::Instance();
  EXPECT_EQ(w.frame().MenuBar, bar);
  std::string names;
  for (int m = 0; m < bar->Count(); ++m) {
    const fw::MenuItem& menu = bar->Item(m);
    names += menu.Name + ":";
    for (int i = 0; i < menu.Count(); ++i) {
      const fw::MenuItem& item = menu.Item(i);
      names += " " + (item.isSeparator() ? "-" : item.Name);
      EXPECT_TRUE(item.AutoEnable) << item.Name;
      const bool command = !item.isSeparator() && item.role() == fw::MenuRole::Command;
      EXPECT_TRUE(!command || w.hasMenuHandler(item.Name)) << item.Name;
    }
    names += "\n";
  }
  EXPECT_EQ(names,
            "FileMenu: FileOpen FileSave FileQuit\n"
            "EditMenu: EditUndo - EditCut EditCopy EditPaste EditClear - EditSelectAll\n"
            "WindowsMenu: WindowsStaticAttributes\n");
}

}  // namespace
