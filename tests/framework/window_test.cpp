// Controls, events and windows of the framework model, driven headless.

#include "framework/window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/headlessbackend.h"
#include "framework/runtime.h"
#include "tables.h"

namespace {

using fw::ControlKind;
using fw::Event;

// What a control holds, as the log shows it after the event: " 47", " 1" (a list index), " on".
std::string state(const fw::Control& c) {
  if (auto* f = dynamic_cast<const fw::EditField*>(&c)) return " " + f->Text();
  if (auto* p = dynamic_cast<const fw::PopupMenu*>(&c)) return " " + std::to_string(p->ListIndex());
  if (auto* b = dynamic_cast<const fw::ComboBox*>(&c)) return " " + b->Text();
  if (auto* b = dynamic_cast<const fw::CheckBox*>(&c)) return b->Value() ? " on" : " off";
  return "";
}

// A window that records its build steps and every event its controls raise, in order, each entry
// followed by "; ": the control, the index of an array element, the event and what it holds.
class ProbeWindow : public fw::Window {
 public:
  std::string log;

 protected:
  void note(const std::string& entry) { log += entry + "; "; }
  void Layout(fw::WindowSpec&) override { note("Layout"); }
  void CreateControls() override {
    using enum ControlKind;
    note("CreateControls");
    addControl({.kind = EditField, .Name = "ValueEF", .Text = "10"});
    for (int i = 0; i < 3; ++i) {
      addControl({.kind = EditField, .Name = "PartEF", .Index = i})
          .bind(Event::Open, [this](int index) {
            note("Open PartEF(" + std::to_string(index) + ") sees " +
                 get<fw::CheckBox>("OnCB").Caption());
          });
    }
    // clang-format off
    addControl({.kind = PopupMenu, .Name = "SeriesPU", .InitialValue = {"", "E6", "E12"},
                .ListIndex = 2});
    addControl({.kind = ComboBox, .Name = "MakerCB", .InitialValue = {"", "AVX", "Yageo"},
                .ListIndex = 1});
    // clang-format on
    addControl({.kind = CheckBox, .Name = "OnCB", .Caption = "On"});
    addControl({.kind = PushButton, .Name = "GoPB", .Caption = "Go"});
    const char* names[] = {"Open", "TextChange", "Change", "TextChanged", "Action"};
    for (const auto& control : controls()) {
      for (Event event : {Event::TextChange, Event::Change, Event::TextChanged, Event::Action}) {
        control->bind(event, [this, &c = *control, name = names[static_cast<int>(event)]](int i) {
          const std::string index = i == fw::kNoIndex ? "" : "(" + std::to_string(i) + ")";
          note(c.Name() + index + " " + name + state(c));
        });
      }
    }
  }
  void AddMenuHandlers() override { note("AddMenuHandlers"); }
  void Event_Open() override { note("Event_Open"); }
};

class OtherWindow : public fw::Window {
 protected:
  void Layout(fw::WindowSpec& frame) override { frame.Visible = false; }
  void CreateControls() override {}
};

class Framework : public ::testing::Test {
 protected:
  fw::HeadlessBackend backend;
  fw::Runtime runtime{backend};
};

// Every control exists before the first Open event: the elements of PartEF, made before OnCB,
// see its caption.
constexpr const char* kBuildLog =
    "Layout; CreateControls; AddMenuHandlers; Open PartEF(0) sees On; Open PartEF(1) sees On; "
    "Open PartEF(2) sees On; Event_Open; ";

// The build steps in order, the initial values in place and no event raised by them; only a
// visible frame is shown. One implicit instance per class, rebuilt fresh after it closes.
// Controls are found by name, and the elements of an array by name and index; a pop-up index
// outside the list chooses no row.
TEST_F(Framework, BuildsInOrderOneInstancePerClassFreshAfterClose) {
  auto& window = fw::implicitInstance<ProbeWindow>();
  EXPECT_EQ(window.log, kBuildLog);
  EXPECT_EQ(window.get<fw::EditField>("ValueEF").Text(), "10");
  EXPECT_EQ(window.get<fw::PopupMenu>("SeriesPU").Text(), "E12");
  EXPECT_EQ(window.get<fw::ComboBox>("MakerCB").Text(), "AVX");
  EXPECT_EQ(&fw::implicitInstance<ProbeWindow>(), &window);
  auto& other = fw::implicitInstance<OtherWindow>();
  EXPECT_NE(static_cast<fw::Window*>(&other), static_cast<fw::Window*>(&window));
  ASSERT_EQ(backend.shown.size(), 1u);  // the other window's frame is not visible
  EXPECT_EQ(backend.shown[0], &window);
  window.get<fw::EditField>("ValueEF").setText("99");
  window.Close();
  EXPECT_EQ(runtime.findWindow(typeid(ProbeWindow)), nullptr);
  auto& second = fw::implicitInstance<ProbeWindow>();
  EXPECT_EQ(second.get<fw::EditField>("ValueEF").Text(), "10");
  EXPECT_EQ(second.log, kBuildLog);
  EXPECT_THROW(second.control("PartEF", 3), fw::NilObjectException);
  EXPECT_THROW(second.control("PartEF"), fw::NilObjectException);
  EXPECT_THROW(second.control("Missing"), fw::NilObjectException);
  EXPECT_THROW(second.get<fw::PopupMenu>("ValueEF"), fw::NilObjectException);
  auto& popup = second.get<fw::PopupMenu>("SeriesPU");
  popup.setListIndex(7);
  EXPECT_EQ(popup.ListIndex(), -1);
  EXPECT_EQ(popup.Text(), "");
  popup.setListIndex(-5);
  EXPECT_EQ(popup.ListIndex(), -1);
  EXPECT_EQ(popup.List(99), "");
}

// Setting a property from code raises the control's change event before the setter returns,
// also when nothing changed; the user's actions raise their own events, and only when they do
// something. An element of a control array passes its index.
TEST_F(Framework, EventsFromCodeEveryTimeAndFromTheUserWhenSomethingHappens) {
  auto& window = fw::implicitInstance<ProbeWindow>();
  window.log.clear();
  auto& field = window.get<fw::EditField>("ValueEF");
  field.setText("47");
  EXPECT_EQ(window.log, "ValueEF TextChange 47; ");  // the handler saw the new text already
  field.setText("47");
  window.get<fw::PopupMenu>("SeriesPU").setListIndex(1);
  window.get<fw::PopupMenu>("SeriesPU").setListIndex(1);
  window.get<fw::CheckBox>("OnCB").setValue(true);
  window.get<fw::CheckBox>("OnCB").setValue(true);
  auto& combo = window.get<fw::ComboBox>("MakerCB");
  combo.setText("Yageo");
  EXPECT_EQ(combo.ListIndex(), 2);
  window.get<fw::EditField>("PartEF", 2).setText("x");
  window.get<fw::EditField>("PartEF", 0).userSetText("y");
  combo.userType("Vishay");
  combo.userCommit();  // leaving the field with a new text
  combo.userCommit();  // nothing new
  combo.userChoose(2);
  window.get<fw::CheckBox>("OnCB").userClick();
  auto& button = window.get<fw::PushButton>("GoPB");
  button.userClick();
  button.setEnabled(false);
  button.userClick();  // a disabled button does nothing
  EXPECT_EQ(window.log,
            "ValueEF TextChange 47; ValueEF TextChange 47; SeriesPU Change 1; SeriesPU Change 1; "
            "OnCB Action on; OnCB Action on; MakerCB Change Yageo; PartEF(2) TextChange x; "
            "PartEF(0) TextChange y; MakerCB TextChanged Vishay; MakerCB Change Vishay; "
            "MakerCB Change Yageo; OnCB Action off; GoPB Action; ");
}

// Leaving a combo box raises Change only when its text differs from the text at the last Change,
// whether that Change came from code, from a chosen row or from an earlier leaving.
TEST_F(Framework, LeavingAComboBoxComparesWithTheTextAtTheLastChange) {
  auto& window = fw::implicitInstance<ProbeWindow>();
  auto& combo = window.get<fw::ComboBox>("MakerCB");
  combo.setText("Vishay");
  window.log.clear();
  combo.userCommit();  // nothing typed
  combo.userType("Vish");
  combo.userType("Vishay");
  combo.userCommit();  // typed back to the text set
  combo.userType("Kemet");
  combo.userChoose(2);
  combo.userCommit();  // the chosen row stands
  combo.userType("AVX");
  combo.userCommit();
  combo.userType("Yageo");
  combo.setText("Yageo");
  combo.userCommit();  // set from code after the typing
  EXPECT_EQ(window.log,
            "MakerCB TextChanged Vish; MakerCB TextChanged Vishay; MakerCB TextChanged Kemet; "
            "MakerCB Change Yageo; MakerCB TextChanged AVX; MakerCB Change AVX; "
            "MakerCB TextChanged Yageo; MakerCB Change Yageo; ");
}

// The rows of oneline.tsv, set into a one-line field and a combo box, and typed into the box.
class OneLine : public Framework, public ::testing::WithParamInterface<tables::Row> {};

TEST_P(OneLine, EveryTabAndLineEndBecomesOneBlank) {
  const std::string text = tables::unescape(GetParam()[1]);
  const std::string want = tables::unescape(GetParam()[2]);
  auto& window = fw::implicitInstance<ProbeWindow>();
  auto& field = window.get<fw::EditField>("ValueEF");
  field.setText(text);
  EXPECT_EQ(field.Text(), want);
  auto& combo = window.get<fw::ComboBox>("MakerCB");
  combo.setText(text);
  EXPECT_EQ(combo.Text(), want);
  combo.setText("");
  combo.userType(text);
  EXPECT_EQ(combo.Text(), want);
}

INSTANTIATE_TEST_SUITE_P(Rows, OneLine,
                         ::testing::ValuesIn(tables::rowsOf("framework/oneline.tsv", 3)),
                         tables::nameOf);

class WatchingObserver : public fw::WindowObserver {
 public:
  std::vector<std::string> changes;
  void controlChanged(fw::Control& control, fw::Property property) override {
    changes.push_back(control.Name() + " " + std::to_string(static_cast<int>(property)));
  }
  void titleChanged(fw::Window& window) override { changes.push_back("title " + window.Title()); }
  void refresh(fw::Control& control) override { changes.push_back("refresh " + control.Name()); }
};

TEST_F(Framework, TheBackendHearsOfEveryChangeBeforeTheHandlerRuns) {
  auto& window = fw::implicitInstance<ProbeWindow>();
  WatchingObserver observer;
  window.setObserver(&observer);
  auto& field = window.get<fw::EditField>("ValueEF");
  field.bind(Event::TextChange, [&](int) { observer.changes.push_back("handler"); });
  field.setText("1");
  field.setEnabled(false);
  field.Refresh();
  window.setTitle("R1.txt");
  const std::vector<std::string> expected = {"ValueEF 0", "handler", "ValueEF 3", "refresh ValueEF",
                                             "title R1.txt"};
  EXPECT_EQ(observer.changes, expected);
  window.setObserver(nullptr);
}

}  // namespace
