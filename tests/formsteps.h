#pragma once

// Changes to the form written as text, as the test tables in tests/data write them: controls
// named "StartEF", "ManufCB(1)" or "StaticAttr.GmMassEF", and changes such as "StartEF=10" made
// from code or "SeriesPU:1" made as the user makes them.

#include <gtest/gtest.h>

#include <string>

#include "form/staticattr.h"
#include "framework/window.h"

namespace formsteps {

// The control `name`: "StartEF", "ManufCB(1)" for an element of a control array, or
// "StaticAttr.Name" for a field of the Static Attributes window (which opens when it is closed).
inline fw::Control& controlOf(const fw::Window& window, std::string name) {
  const fw::Window* in = &window;
  if (name.starts_with("StaticAttr.")) {
    in = &form::StaticAttr::Instance();
    name = name.substr(11);
  }
  const auto open = name.find('(');
  if (open == std::string::npos) return in->control(name);
  return in->control(name.substr(0, open), std::stoi(name.substr(open + 1)));
}

// Makes the change `step`: "Name=value" from code, as the reader and the presets do (the text of
// a field or combo box, the row of a pop-up, True or False for a check box); "Name:value" as the
// user (types into a field, chooses row `value` of a pop-up or combo box, clicks a check box or
// button); "Name~text" types into a combo box without choosing a row, and "Name~" then leaves it.
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
  } else if (auto* box = dynamic_cast<fw::CheckBox*>(&c)) {
    user ? box->userClick() : box->setValue(value == "True");
  } else if (auto* button = dynamic_cast<fw::PushButton*>(&c); button != nullptr && user) {
    button->userClick();
  } else {
    ADD_FAILURE() << "cannot do " << step;
  }
}

}  // namespace formsteps
