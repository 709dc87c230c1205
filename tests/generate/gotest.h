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
#include "formsteps.h"
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

  // A change such as "StartEF=10" made from code, so its handler runs as for the user's edit.
  void set(const std::string& setting) { formsteps::act(w(), setting); }
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
  auto lines = formsteps::split(text, '\n');
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

// The TAB-separated columns of `line`.
inline std::vector<std::string> columnsOf(const std::string& line) {
  return formsteps::split(line, '\t');
}

// The device lines of an output: every line after the nine section lines.
inline std::vector<std::string> deviceLinesOf(const std::string& text) {
  auto lines = linesOf(text);
  if (lines.size() <= 9) return {};
  return {lines.begin() + 9, lines.end()};
}

// Expects `got` to equal `want`; GoogleTest shows the lines where two texts differ.
inline void expectSameText(const std::string& got, const std::string& want) {
  EXPECT_EQ(got, want);
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
