// The two windows as they are built: their controls and their order, their state and places,
// the values the Open handlers seed, the menu bar, and the Static Attributes window's life from
// the Windows menu to closing.

#include <set>
#include <string>
#include <vector>

#include "form/creationorder.h"
#include "form/menubar1.h"
#include "form/staticattr.h"
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

class StaticAttrTest : public Window1Test {};

// The attribute a field holds: its name without the kind suffix (a dot in "Name.Prefix").
std::string attributeOf(const fw::Control& field) {
  std::string name = field.Name();
  if (name.ends_with("EF") || name.ends_with("CB")) name.resize(name.size() - 2);
  return name == "NamePrefix" ? "Name.Prefix" : name;
}

// The controls stand in the tab order as they were created, but for the blank viewer, which is
// at 0 with the first label, and editing any of them runs no code. No two overlap. Each of the
// 27 attribute fields (every edit field and combo box but the URL field at the bottom; Category
// and Function are the combo boxes) has one label naming its attribute, centred above it, or,
// for the URLs, one button on its left ("URLFamily -->").
TEST_F(StaticAttrTest, FiftySevenControlsAndTheLabelsOfTheAttributes) {
  auto& window = form::StaticAttr::Instance();
  formtest::expectControlsApart(window, 876, 650);
  ASSERT_EQ(window.controls().size(), 57u);
  int position = 0;
  int fields = 0;
  for (const auto& field : window.controls()) {
    SCOPED_TRACE(field->Name());
    EXPECT_EQ(field->TabIndex(), field->Name() == "HTMLViewer1" ? 0 : position);
    ++position;
    EXPECT_EQ(formtest::bindingsOf(*field), 0);
    const bool combo = field->kind() == fw::ControlKind::ComboBox;
    if ((!combo && field->kind() != fw::ControlKind::EditField) || field->Name() == "URLEF") {
      continue;
    }
    ++fields;
    EXPECT_EQ(combo, field->Name() == "CategoryCB" || field->Name() == "FunctionCB");
    const fw::ControlSpec& f = field->initial();
    int labels = 0;
    for (const auto& label : window.controls()) {
      const fw::ControlSpec& l = label->initial();
      if (label->kind() == fw::ControlKind::PushButton &&
          shownText(*label) == attributeOf(*field) + " -->") {
        EXPECT_EQ(l.Top, f.Top);
        EXPECT_LE(l.Left + l.Width, f.Left);
        ++labels;
      } else if (label->kind() == fw::ControlKind::StaticText &&
                 shownText(*label) == attributeOf(*field)) {
        EXPECT_EQ(l.Alignment, fw::Align::Center);
        EXPECT_EQ(2 * l.Left + l.Width, 2 * f.Left + f.Width);
        EXPECT_LE(l.Top + l.Height, f.Top);
        ++labels;
      }
    }
    EXPECT_EQ(labels, 1);
  }
  EXPECT_EQ(fields, 27);
  EXPECT_EQ(shownText(window.control("StaticText2")), "URL:");
  EXPECT_EQ(window.control("HTMLViewer1").kind(), fw::ControlKind::HTMLViewer);
}

// Chosen again, from either window: the same window, values unchanged. Closed and chosen again:
// a fresh window with the initial values.
TEST_F(StaticAttrTest, MenuShowsOneWindowAndAClosedOneComesBackFresh) {
  ASSERT_TRUE(runtime.dispatchMenu("WindowsStaticAttributes", &w));
  auto* first = dynamic_cast<form::StaticAttr*>(runtime.findWindow(typeid(form::StaticAttr)));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Title(), "Static Attributes");
  first->get<fw::EditField>("PackageEF").userSetText("0805");
  first->get<fw::ComboBox>("FunctionCB").userChoose(1);
  EXPECT_TRUE(runtime.dispatchMenu("WindowsStaticAttributes", first));
  EXPECT_EQ(&form::StaticAttr::Instance(), first);
  EXPECT_EQ(runtime.windows().size(), 2u);
  EXPECT_EQ(first->get<fw::EditField>("PackageEF").Text(), "0805");
  EXPECT_EQ(backend.shown.back(), first);

  first->Close();
  EXPECT_EQ(runtime.findWindow(typeid(form::StaticAttr)), nullptr);
  EXPECT_TRUE(runtime.dispatchMenu("WindowsStaticAttributes", &w));
  auto& second = form::StaticAttr::Instance();
  EXPECT_EQ(second.get<fw::EditField>("PackageEF").Text(), "");
  EXPECT_EQ(second.get<fw::ComboBox>("FunctionCB").Text(), "RES");
  EXPECT_EQ(runtime.windows().size(), 2u);
}

}  // namespace
