#pragma once

// What the form tests share: a freshly built main window on the headless runtime; readers of
// what controls show, what they are bound to and where they stand; and the rows of the tables
// in tests/data/form, whose changes and checks name controls as "StartEF" or "ManufCB(1)".

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "form/window1.h"
#include "formsteps.h"
#include "framework/headlessbackend.h"
#include "framework/runtime.h"

class Window1Test : public ::testing::Test {
 protected:
  fw::HeadlessBackend backend;
  fw::Runtime runtime{backend};
  form::Window1& w = form::Window1::Instance();
};

namespace formtest {

using formsteps::act;
using formsteps::controlOf;
using formsteps::split;

inline std::vector<std::vector<std::string>> rowsOf(const std::string& name, size_t columns) {
  return formsteps::rowsOf("form/" + name, columns);
}

// What a field or label shows, the chosen row of a pop-up, or a push button's caption.
inline std::string shownText(const fw::Control& c) {
  if (auto* field = dynamic_cast<const fw::EditField*>(&c)) return field->Text();
  if (auto* label = dynamic_cast<const fw::StaticText*>(&c)) return label->Text();
  if (auto* popup = dynamic_cast<const fw::PopupMenu*>(&c)) return popup->Text();
  if (auto* button = dynamic_cast<const fw::PushButton*>(&c)) return button->Caption();
  return "(not a field, label, pop-up or push button)";
}

// How many of the control's events have a handler.
inline int bindingsOf(const fw::Control& c) {
  int bound = 0;
  for (fw::Event e : {fw::Event::Open, fw::Event::TextChange, fw::Event::Change,
                      fw::Event::TextChanged, fw::Event::Action}) {
    bound += c.isBound(e);
  }
  return bound;
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

// Expects what `check` says: "Name=text", the text the control shows; "Name enabled" or "Name
// disabled"; "Name shown" or "Name hidden".
inline void expectThat(const fw::Window& window, const std::string& check) {
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

}  // namespace formtest
