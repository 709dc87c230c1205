#pragma once

// What the generation tests share: a fresh main window on the headless backend whose Go button
// runs the generation layer, settings applied as a person would make them, and the text Go
// leaves in the output field.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "form/window1.h"
#include "formsteps.h"
#include "framework/headlessbackend.h"
#include "framework/runtime.h"
#include "generate/commands.h"
#include "tables.h"

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
