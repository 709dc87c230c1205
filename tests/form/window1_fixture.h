#pragma once

// A freshly built main window on the headless backend.

#include <gtest/gtest.h>

#include "form/window1.h"
#include "framework/headlessbackend.h"
#include "framework/runtime.h"

class Window1Test : public ::testing::Test {
 protected:
  // The form as a person would leave it ready for Go: ohms, a reference-designator prefix, and
  // the initial Bourns source and Start 10 below Stop 1.0e06.
  void fillInForGo() {
    w.ValueSuffixPU().userChoose(1);
    w.RefDesPreCB().userChoose(1);
  }
  bool goEnabled() const { return w.PushButton1().Enabled(); }

  fw::HeadlessBackend backend;
  fw::Runtime runtime{backend};
  form::Window1& w = form::Window1::Instance();
};
