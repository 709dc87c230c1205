// The two windows: their controls as built, their order, state and places, the values the Open
// handlers seed, the menu bar and the Static Attributes window's life from the Windows menu to
// closing; and the main window's handlers, from the tables in tests/data/form: what each edit
// empties, checks and writes, the unit choice, the index fields, the test series preset, the area
// calculator and the check that enables Go.

#include <string>
#include <vector>

#include "form/menubar1.h"
#include "form/staticattr.h"
#include "form/window1.h"
#include "formsteps.h"
#include "framework/exceptions.h"
#include "framework/headlessbackend.h"
#include "framework/runtime.h"
#include "tables.h"

namespace {

using formsteps::act;
using formsteps::controlOf;
using tables::split;

// A freshly built main window on the headless runtime.
class Window1Test : public ::testing::Test {
 protected:
  fw::HeadlessBackend backend;
  fw::Runtime runtime{backend};
  form::Window1& w = form::Window1::Instance();
};

// What a field or label shows, the chosen row of a pop-up, or a push button's caption.
std::string shownText(const fw::Control& c) {
  if (auto* field = dynamic_cast<const fw::EditField*>(&c)) return field->Text();
  if (auto* label = dynamic_cast<const fw::StaticText*>(&c)) return label->Text();
  if (auto* popup = dynamic_cast<const fw::PopupMenu*>(&c)) return popup->Text();
  if (auto* button = dynamic_cast<const fw::PushButton*>(&c)) return button->Caption();
  return "(not a field, label, pop-up or push button)";
}

// Every control lies inside the window's `width` x `height` content, and no two overlap, so no
// label hides part of its field.
void expectControlsApart(const fw::Window& window, int width, int height) {
  const auto& controls = window.controls();
  for (size_t a = 0; a < controls.size(); ++a) {
    const fw::ControlSpec& s = controls[a]->initial();
    EXPECT_TRUE(s.Left >= 0 && s.Top >= 0 && s.Left + s.Width <= width &&
                s.Top + s.Height <= height)
        << s.Name << s.Index;
    for (size_t b = a + 1; b < controls.size(); ++b) {
      const fw::ControlSpec& t = controls[b]->initial();
      EXPECT_TRUE(s.Left + s.Width <= t.Left || t.Left + t.Width <= s.Left ||
                  s.Top + s.Height <= t.Top || t.Top + t.Height <= s.Top)
          << s.Name << s.Index << " and " << t.Name << t.Index;
    }
  }
}

// Expects what `check` says: "Name=text", the text the control shows; "Name enabled" or "Name
// disabled"; "Name shown" or "Name hidden".
void expectThat(const fw::Window& window, const std::string& check) {
  if (const auto equals = check.find('='); equals != std::string::npos) {
    EXPECT_EQ(shownText(controlOf(window, check.substr(0, equals))), check.substr(equals + 1))
        << check;
    return;
  }
  const auto blank = check.find(' ');
  const fw::Control& c = controlOf(window, check.substr(0, blank));
  const std::string state = blank == std::string::npos ? "" : check.substr(blank + 1);
  if (state == "enabled" || state == "disabled") {
    EXPECT_EQ(c.Enabled(), state == "enabled") << check;
  } else if (state == "shown" || state == "hidden") {
    EXPECT_EQ(c.Visible(), state == "shown") << check;
  } else {
    ADD_FAILURE() << "cannot check " << check;
  }
}

// The Tab key goes through the controls in the order they are made.
TEST_F(Window1Test, TheTabKeyFollowsTheCreationOrder) {
  std::vector<std::string> order;
  for (const auto& c : w.controls()) {
    EXPECT_EQ(c->TabIndex(), static_cast<int>(order.size())) << c->Name();
    const int i = c->Index();
    order.push_back(c->Name() + (i == fw::kNoIndex ? "" : "(" + std::to_string(i) + ")"));
  }
  EXPECT_EQ(order, tables::linesOf("form/creationorder.txt"));
}

// Each control as the window opens (hidden: the two unit labels; which are enabled, the Tab key
// shows on the Qt backend) and a text on every label. No two controls overlap, and only the
// output follows the window's size, below all the others.
TEST_F(Window1Test, ControlsAsTheWindowOpens) {
  expectControlsApart(w, 1009, 709);
  for (const auto& c : w.controls()) {
    const std::string& name = c->Name();
    EXPECT_EQ(c->Visible(), name != "UnitsStartST" && name != "UnitsStopST") << name;
    if (c->kind() == fw::ControlKind::StaticText) {
      EXPECT_EQ(shownText(*c).empty(), name == "CurrentValueST" || name == "DeviceCntST") << name;
    }
    const fw::ControlSpec& s = c->initial();
    const bool output = name == "TestEF";
    EXPECT_EQ(s.LockLeft + s.LockTop + s.LockRight + s.LockBottom, output ? 4 : 0) << name;
    EXPECT_TRUE(output || s.Top + s.Height <= w.TestEF().initial().Top) << name;
  }
}

// The values a run starts from that no golden form leaves as they are; the value-format and
// marking choices that the Open handlers put at the cells they govern, until a pop-up chooses no
// row.
TEST_F(Window1Test, StartValuesAndFormatCells) {
  EXPECT_EQ(w.StartEF().Text(), "10");
  EXPECT_EQ(w.StopEF().Text(), "1.0e06");
  EXPECT_EQ(w.SeriesPU().Text(), "E96");
  for (int n = 0; n <= form::kTemplateLastCell; ++n) {
    EXPECT_EQ(w.ResCodeFormat[n], n == 13 || n == 33 ? 1 : 0) << n;
    EXPECT_EQ(w.MrkFormat[n], n == 18 || n == 28 || n == 38 ? 2 : 0) << n;
  }
  w.ValFmtPU(1).setListIndex(-1);
  EXPECT_EQ(w.ResCodeFormat[23], -1);
}

// Every menu item reaches its command: the framework's quit or text editing, or the main
// window's handler registered under the item's name. The main window shows the one menu bar.
TEST_F(Window1Test, EveryMenuItemReachesItsCommand) {
  const auto bar = form::MenuBar1::Instance();
  EXPECT_EQ(w.frame().MenuBar, bar);
  for (int m = 0; m < bar->Count(); ++m) {
    const fw::MenuItem& menu = bar->Item(m);
    for (int i = 0; i < menu.Count(); ++i) {
      const fw::MenuItem& item = menu.Item(i);
      EXPECT_TRUE(item.AutoEnable) << item.Name;
      const bool command = !item.isSeparator() && item.role() == fw::MenuRole::Command;
      EXPECT_TRUE(!command || w.hasMenuHandler(item.Name)) << item.Name;
    }
  }
}

// The attribute a field holds: its name without the kind suffix (a dot in "Name.Prefix").
std::string attributeOf(const fw::Control& field) {
  std::string name = field.Name();
  if (name.ends_with("EF") || name.ends_with("CB")) name.resize(name.size() - 2);
  return name == "NamePrefix" ? "Name.Prefix" : name;
}

// The Static Attributes window's controls stand in the tab order as they were created, but for
// the blank viewer, which is at 0 with the first label, and editing any of them runs no code. No
// two overlap. Each of the 27 attribute fields (every edit field and combo box but the URL field at
// the bottom; Category and Function are the combo boxes) has one label naming its attribute,
// centred above it, or, for the URLs, one button on its left ("URLFamily -->").
TEST_F(Window1Test, StaticAttributesControlsAndTheirLabels) {
  auto& window = form::StaticAttr::Instance();
  expectControlsApart(window, 876, 650);
  int position = 0;
  for (const auto& field : window.controls()) {
    SCOPED_TRACE(field->Name());
    EXPECT_EQ(field->TabIndex(), field->Name() == "HTMLViewer1" ? 0 : position);
    ++position;
    for (fw::Event e : {fw::Event::Open, fw::Event::TextChange, fw::Event::Change,
                        fw::Event::TextChanged, fw::Event::Action}) {
      EXPECT_FALSE(field->isBound(e));
    }
    const bool combo = field->kind() == fw::ControlKind::ComboBox;
    if ((!combo && field->kind() != fw::ControlKind::EditField) || field->Name() == "URLEF") {
      continue;
    }
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
  EXPECT_EQ(shownText(window.control("StaticText2")), "URL:");
  EXPECT_EQ(window.control("HTMLViewer1").kind(), fw::ControlKind::HTMLViewer);
}

// Windows > Static Attributes chosen again, from either window: the same window in front, values
// unchanged.
TEST_F(Window1Test, StaticAttributesMenuShowsOneWindow) {
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
}

// Each edit of edits.tsv on a form ready for Go, with the library-name prefix A, whose output
// holds a text, with Go disabled and cell 0 of the template holding what a run with a naming
// option leaves there.
class Edits : public Window1Test, public ::testing::WithParamInterface<tables::Row> {};

TEST_P(Edits, EmptyTheOutputAndSomeCheckTheFormForGo) {
  const tables::Row& row = GetParam();
  for (const auto& step : {"ValueSuffixPU:1", "RefDesPreCB:1", "LibPreEF=A", "TestEF=R1\tresult"}) {
    act(w, step);
  }
  w.PushButton1().setEnabled(false);
  w.OutputLineArray[0] = "run";
  const fw::Array<std::string> before = w.OutputLineArray;
  for (const auto& step : split(row[1], ';')) act(w, step);
  EXPECT_EQ(w.TestEF().Text(), row[2] == "yes" ? "" : "R1\tresult");
  EXPECT_EQ(w.PushButton1().Enabled(), row[3] == "yes");
  for (int cell = 0; cell <= form::kTemplateLastCell; ++cell) {
    EXPECT_EQ(w.OutputLineArray[cell], row[4] == std::to_string(cell) ? row[5] : before[cell])
        << cell;
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, Edits, ::testing::ValuesIn(tables::rowsOf("form/edits.tsv", 6)),
                         tables::nameOf);

// The rows of form/changes.tsv: changes made on a fresh main window and what it shows afterwards,
// named after their topic and case.
class FormTable : public Window1Test, public ::testing::WithParamInterface<tables::Row> {};

TEST_P(FormTable, ShowsWhatTheChangesLeave) {
  for (const auto& step : split(GetParam()[2], ';')) act(w, step);
  for (const auto& check : split(GetParam()[3], ';')) expectThat(w, check);
}

INSTANTIATE_TEST_SUITE_P(Rows, FormTable,
                         ::testing::ValuesIn(tables::rowsOf("form/changes.tsv", 4, 2)),
                         tables::nameOf);

}  // namespace
