#include <functional>
#include <memory>

#include "formtest.h"

namespace {

struct GoCase {
  const char* name;
  std::function<void(form::Window1&)> change;
  bool enabled;
};

// From a form ready for Go, one change at a time; the handler of each change checks the form.
TEST_F(Window1Test, CheckForGo) {
  using W = form::Window1;
  // clang-format off
  const GoCase cases[] = {
      {"ready", [](W&) {}, true},
      {"no first manufacturer", [](W& f) { f.ManufCB(0).setText(""); }, false},
      {"blank manufacturer counts", [](W& f) { f.ManufCB(0).setText(" "); }, true},
      {"other sources empty", [](W& f) { f.ManufCB(1).setText(""); f.ManufCB(2).setText(""); }, true},
      {"no unit", [](W& f) { f.ValueSuffixPU().setListIndex(0); }, false},
      {"no unit row", [](W& f) { f.ValueSuffixPU().setListIndex(-1); }, false},
      {"no ref des prefix", [](W& f) { f.RefDesPreCB().setText(""); }, false},
      {"start at the threshold", [](W& f) { f.StartEF().setText("0.0001"); }, false},
      {"start above the threshold", [](W& f) { f.StartEF().setText("0.00011"); }, true},
      {"start equal to stop", [](W& f) { f.StartEF().setText("1.0e06"); }, false},
      {"start above stop", [](W& f) { f.StopEF().setText("9"); }, false},
      {"start not a number", [](W& f) { f.StartEF().setText("ten"); }, false},
      {"no format row", [](W& f) { f.ValFmtPU(0).setListIndex(-1); }, true},
      {"index format, no digits", [](W& f) { f.ValFmtPU(0).setListIndex(13); }, false},
      {"index format, 0 digits",
       [](W& f) { f.SigDigEF(0).setText("0"); f.ValFmtPU(0).setListIndex(16); }, false},
      {"index format, 0.5 digits",
       [](W& f) { f.ValFmtPU(0).setListIndex(14); f.SigDigEF(0).setText("0.5"); }, true},
      {"second source's digits never count",
       [](W& f) { f.SigDigEF(0).setText("3"); f.ValFmtPU(0).setListIndex(15);
                  f.ValFmtPU(1).setListIndex(13); f.SigDigEF(1).setText(""); }, true},
  };
  // clang-format on
  for (const GoCase& c : cases) {
    form::Window1::Instance().Close();
    form::Window1& fresh = form::Window1::Instance();
    fresh.ValueSuffixPU().setListIndex(1);
    fresh.RefDesPreCB().setListIndex(1);
    ASSERT_TRUE(fresh.PushButton1().Enabled());
    c.change(fresh);
    EXPECT_EQ(fresh.PushButton1().Enabled(), c.enabled) << c.name;
  }
}

TEST_F(Window1Test, GoButtonRunsTheGenerationCommand) {
  int runs = 0;
  auto app = std::make_unique<form::FormApplication>();
  app->Commands.go = [&](form::Window1&) { ++runs; };
  runtime.setApplication(std::move(app));
  w.PushButton1().userClick();  // disabled: nothing
  fillInForGo();
  w.PushButton1().userClick();
  runtime.setApplication(std::make_unique<form::FormApplication>());
  w.PushButton1().userClick();
  EXPECT_EQ(runs, 1);
}

}  // namespace
