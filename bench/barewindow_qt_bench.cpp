// What start-up is measured against: a plain Qt Widgets program that shows an empty main window
// of the program's size with the program's menu bar, up to its first window shown. See
// firstwindow_qt_bench.h and bench/startup_cost.py.

#include <QMainWindow>
#include <QMenuBar>

#include "firstwindow_qt_bench.h"
#include "form/menubar1.h"
#include "qt/qtmenus.h"

int main(int argc, char** argv) {
  firstwindow::Application application(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Untitled");
  window.setCentralWidget(new QWidget(&window));
  window.setMenuBar(qtui::makeMenuBar(*form::MenuBar1::Instance(), &window, [](const auto&) {}));
  // The main window's form is 1009 x 709 pixels below its menu bar.
  window.resize(1009, 709 + window.menuBar()->sizeHint().height());
  window.show();
  return QApplication::exec();
}
