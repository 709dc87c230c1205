// The program's own main, watched by a timer that starts with its Qt application: in each event
// loop (a message box's, then the program's) it writes the main window's title, then a message
// with its title, which it closes, or else the form's Stop, and then quits through File > Quit.

#include <QtWidgets>
#include <cstdio>

static void watch() {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [timer] {
    if (QThread::currentThread()->loopLevel() == 0) return;  // a yield while a file is read
    QWidget* window = nullptr;
    for (QWidget* shown : QApplication::topLevelWidgets()) {
      if (shown->isVisible() && shown->findChild<QLineEdit*>("StopEF")) window = shown;
    }
    std::printf("main window: %s\n", window ? qPrintable(window->windowTitle()) : "none");
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      std::printf("message, titled %s: %s\n", qPrintable(box->windowTitle()),
                  qPrintable(box->text()));
      return box->accept();
    }
    timer->stop();
    if (window == nullptr) return QCoreApplication::quit();
    std::printf("Stop: %s\n", qPrintable(window->findChild<QLineEdit*>("StopEF")->text()));
    window->findChild<QAction*>("FileQuit")->trigger();
  });
  timer->start(20);
}

Q_COREAPP_STARTUP_FUNCTION(watch)
