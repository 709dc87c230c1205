#pragma once

// What the form tests share: the headless runtime, a freshly built main window, and readers of
// what controls show and where they stand.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/window1.h"
#include "framework/headlessbackend.h"
#include "framework/runtime.h"

class HeadlessTest : public ::testing::Test {
 protected:
  fw::HeadlessBackend backend;
  fw::Runtime runtime{backend};
};

class Window1Test : public HeadlessTest {
 protected:
  // The form as a person would leave it ready for Go: ohms, a reference-designator prefix, and
  // the initial Bourns source and Start 10 below Stop 1.0e06.
  void fillInForGo() {
    w.ValueSuffixPU().userChoose(1);
    w.RefDesPreCB().userChoose(1);
  }
  bool goEnabled() const { return w.PushButton1().Enabled(); }

  form::Window1& w = form::Window1::Instance();
};

namespace formtest {

// What a control shows: its text, the chosen row of a pop-up, or a button's caption.
inline std::string shownText(const fw::Control& c) {
  if (auto* field = dynamic_cast<const fw::EditField*>(&c)) return field->Text();
  if (auto* label = dynamic_cast<const fw::StaticText*>(&c)) return label->Text();
  if (auto* popup = dynamic_cast<const fw::PopupMenu*>(&c)) return popup->Text();
  if (auto* combo = dynamic_cast<const fw::ComboBox*>(&c)) return combo->Text();
  if (auto* check = dynamic_cast<const fw::CheckBox*>(&c)) return check->Caption();
  if (auto* button = dynamic_cast<const fw::PushButton*>(&c)) return button->Caption();
  return "(shows no text)";
}

// Every control lies inside the window's `width` x `height` content, and no two overlap, so no
// label hides part of its field.
inline void expectControlsApart(const fw::Window& window, int width, int height) {
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

}  // namespace formtest
