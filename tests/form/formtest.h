#pragma once

// What the form tests share: a freshly built main window on the headless runtime; readers of
// what controls show, what they are bound to and where they stand; and the rows of the tables
// in tests/data/form, whose changes and checks name controls as "StartEF" or "ManufCB(1)".

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "form/window1.h"
#include "framework/headlessbackend.h"
#include "framework/runtime.h"

class Window1Test : public ::testing::Test {
 protected:
  fw::HeadlessBackend backend;
  fw::Runtime runtime{backend};
  form::Window1& w = form::Window1::Instance();
};

namespace formtest {

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

// The parts of `text` between the separators, empty ones included.
inline std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  for (size_t start = 0;;) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

// The rows of the table tests/data/form/`name`, each of `columns` TAB-separated columns; lines
// that start with # are comments.
inline std::vector<std::vector<std::string>> rowsOf(const std::string& name, size_t columns) {
  std::ifstream in(std::string(QUILLEX_TEST_DATA) + "/form/" + name);
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line.starts_with("#")) continue;
    rows.push_back(split(line, '\t'));
    EXPECT_EQ(rows.back().size(), columns) << line;
    rows.back().resize(columns);
  }
  EXPECT_FALSE(rows.empty()) << name;
  return rows;
}

// The control `name`: "StartEF", or "ManufCB(1)" for an element of a control array.
inline fw::Control& controlOf(const fw::Window& window, const std::string& name) {
  const auto open = name.find('(');
  if (open == std::string::npos) return window.control(name);
  return window.control(name.substr(0, open), std::stoi(name.substr(open + 1)));
}

// Makes the change `step`: "Name=value" from code, as the reader and the presets do (the text of
// a field or combo box, the row of a pop-up); "Name:value" as the user (types into a field,
// chooses row `value` of a pop-up or combo box, clicks a check box or button); "Name~text" types
// into a combo box without choosing a row, and "Name~" then leaves it.
inline void act(const fw::Window& window, const std::string& step) {
  const size_t op = step.find_first_of("=:~");
  ASSERT_NE(op, std::string::npos) << step;
  fw::Control& c = controlOf(window, step.substr(0, op));
  const std::string value = step.substr(op + 1);
  const bool user = step[op] == ':';
  auto* combo = dynamic_cast<fw::ComboBox*>(&c);
  if (step[op] == '~') {
    ASSERT_NE(combo, nullptr) << step;
    value.empty() ? combo->userCommit() : combo->userType(value);
  } else if (auto* field = dynamic_cast<fw::EditField*>(&c)) {
    user ? field->userSetText(value) : field->setText(value);
  } else if (auto* popup = dynamic_cast<fw::PopupMenu*>(&c)) {
    user ? popup->userChoose(std::stoi(value)) : popup->setListIndex(std::stoi(value));
  } else if (combo != nullptr) {
    user ? combo->userChoose(std::stoi(value)) : combo->setText(value);
  } else if (auto* box = dynamic_cast<fw::CheckBox*>(&c); box != nullptr && user) {
    box->userClick();
  } else if (auto* button = dynamic_cast<fw::PushButton*>(&c); button != nullptr && user) {
    button->userClick();
  } else {
    ADD_FAILURE() << "cannot do " << step;
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
