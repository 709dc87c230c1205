#pragma once

// What the generation tests share: a fresh main window on the headless backend whose Go button
// runs the generation layer, settings applied as a person would make them, and readers of the
// text Go leaves in the output field.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "form/staticattr.h"
#include "form/window1.h"
#include "framework/headlessbackend.h"
#include "framework/runtime.h"
#include "generate/commands.h"

class GoTest : public ::testing::Test {
 protected:
  GoTest() {
    auto app = std::make_unique<form::FormApplication>();
    app->Commands = generate::Commands();
    runtime.setApplication(std::move(app));
  }

  // The control that "Name", "Name(i)" or "StaticAttr.Name" names.
  fw::Control& controlNamed(std::string name) {
    const fw::Window* window = &w();
    if (name.starts_with("StaticAttr.")) {
      window = &form::StaticAttr::Instance();
      name = name.substr(11);
    }
    int index = fw::kNoIndex;
    if (const auto open = name.find('('); open != std::string::npos) {
      index = std::stoi(name.substr(open + 1));
      name = name.substr(0, open);
    }
    return window->control(name, index);
  }

  // A setting "Name=value": the text of an edit field or combo box, the row of a pop-up menu,
  // True or False for a check box. Each is made through the control's setter, so its handler
  // runs.
  void set(const std::string& setting) {
    const auto equals = setting.find('=');
    ASSERT_NE(equals, std::string::npos) << setting;
    const std::string value = setting.substr(equals + 1);
    fw::Control& c = controlNamed(setting.substr(0, equals));
    if (auto* field = dynamic_cast<fw::EditField*>(&c)) {
      field->setText(value);
    } else if (auto* combo = dynamic_cast<fw::ComboBox*>(&c)) {
      combo->setText(value);
    } else if (auto* popup = dynamic_cast<fw::PopupMenu*>(&c)) {
      popup->setListIndex(std::stoi(value));
    } else if (auto* box = dynamic_cast<fw::CheckBox*>(&c)) {
      box->setValue(value == "True");
    } else {
      FAIL() << "cannot set " << setting;
    }
  }
  void set(std::initializer_list<std::string> settings) {
    for (const auto& setting : settings) set(setting);
  }
  void set(const std::vector<std::string>& settings) {
    for (const auto& setting : settings) set(setting);
  }

  // Presses Go as the user would; the form must have enabled it.
  void go() {
    ASSERT_TRUE(w().PushButton1().Enabled()) << "the form does not enable Go";
    w().PushButton1().userClick();
  }
  // Presses Go whether or not the form enables it.
  void forceGo() { generate::Commands().go(w()); }

  form::Window1& w() { return form::Window1::Instance(); }
  const std::string& output() { return w().TestEF().Text(); }

  fw::HeadlessBackend backend;
  fw::Runtime runtime{backend};
};

namespace gotest {

// The lines of `text` without their line ends.
inline std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// The TAB-separated columns of `line`.
inline std::vector<std::string> columnsOf(const std::string& line) {
  std::vector<std::string> columns;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find('\t', start);
    columns.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return columns;
    start = tab + 1;
  }
}

// The device lines of an output: every line after the nine section lines.
inline std::vector<std::string> deviceLinesOf(const std::string& text) {
  auto lines = linesOf(text);
  if (lines.size() <= 9) return {};
  return {lines.begin() + 9, lines.end()};
}

// Expects `got` to equal `want`, naming the first line where they differ rather than printing
// two whole texts.
inline void expectSameText(const std::string& got, const std::string& want) {
  if (got == want) return;
  const auto a = linesOf(got);
  const auto b = linesOf(want);
  for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
    if (a[i] != b[i]) {
      ADD_FAILURE() << "line " << i + 1 << " differs:\n  got  " << a[i] << "\n  want " << b[i];
      return;
    }
  }
  ADD_FAILURE() << "the texts differ after line " << std::min(a.size(), b.size()) << ": "
                << a.size() << " lines against " << b.size();
}

// The files of tests/data/<folder> ending in `extension`, in name order, and a test name for each.
inline std::vector<std::filesystem::path> casesIn(const char* folder, const char* extension) {
  std::vector<std::filesystem::path> found;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(QUILLEX_TEST_DATA) / folder)) {
    if (entry.path().extension() == extension) found.push_back(entry.path());
  }
  std::sort(found.begin(), found.end());
  return found;
}
inline std::string caseName(const ::testing::TestParamInfo<std::filesystem::path>& info) {
  std::string name = info.param.stem().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

}  // namespace gotest
