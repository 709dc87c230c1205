// The program's start-up as main runs it, up to its first window shown: see
// firstwindow_qt_bench.h and bench/startup_cost.py.

#include "firstwindow_qt_bench.h"
#include "framework/runtime.h"
#include "qt/qtbackend.h"
#include "startup.h"

int main(int argc, char** argv) {
  firstwindow::Application application(argc, argv);
  QApplication::setApplicationName("Quillex");
  qtui::QtBackend backend;
  fw::Runtime runtime(backend);
  return quillex::Main(runtime, {});
}
