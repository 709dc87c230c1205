// The program on the offscreen Qt platform: start-up, the main window with its menu bar, quitting
// from the File menu, and an error in a handler shown without ending the program.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "form/window1.h"
#include "framework/runtime.h"
#include "qt/qtbackend.h"
#include "qt/windowview.h"
#include "startup.h"

namespace {

QMainWindow* mainWindowView() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* view = qobject_cast<QMainWindow*>(widget);
    if (view != nullptr && view->isVisible() && view->windowTitle() == "Untitled") return view;
  }
  return nullptr;
}

// A window whose one button fails.
class FailingWindow : public fw::Window {
 protected:
  void Layout(fw::WindowSpec& frame) override { frame.Title = "Failing"; }
  void CreateControls() override {
    auto& button = addControl<fw::PushButton>({.kind = fw::ControlKind::PushButton,
                                               .Name = "FailPB",
                                               .Left = 10,
                                               .Top = 10,
                                               .Width = 80,
                                               .Height = 24,
                                               .Caption = "Fail"});
    button.bind(fw::Event::Action, [](int) {
      fw::Array<int> cells(50);
      cells[51] = 1;
    });
  }
};

}  // namespace

class AppQtTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWithTheMainWindowAndItsMenusAndQuits() {
    qtui::QtBackend backend;
    fw::Runtime runtime(backend);
    quillex::StartUp(runtime);
    QMainWindow* view = mainWindowView();
    QVERIFY(view != nullptr);
    QCOMPARE(view->centralWidget()->size(), QSize(1009, 709));
    QMenuBar* bar = view->menuBar();
    QVERIFY(bar != nullptr);
    QStringList titles;
    for (QAction* menu : bar->actions()) titles << menu->text();
    QCOMPARE(titles, (QStringList{"&File", "&Edit", "Windows"}));
    auto* open = view->findChild<QAction*>("FileOpen");
    QVERIFY(open != nullptr);
    QCOMPARE(open->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE(view->findChild<QAction*>("WindowsStaticAttributes")->shortcut(),
             QKeySequence("Ctrl+T"));

    // File > Quit ends the event loop.
    auto* quit = view->findChild<QAction*>("FileQuit");
    QVERIFY(quit != nullptr);
    QTimer::singleShot(0, quit, &QAction::trigger);
    runtime.run();
    QVERIFY(backend.messageBoxOverride == nullptr);
  }

  void anErrorInAHandlerIsShownAndTheProgramGoesOn() {
    qtui::QtBackend backend;
    QStringList shown;
    backend.messageBoxOverride = [&](const std::string& text) {
      shown << QString::fromStdString(text);
    };
    fw::Runtime runtime(backend);
    auto& window = fw::implicitInstance<FailingWindow>();
    auto* view = backend.viewOf(window);
    QVERIFY(view != nullptr);
    auto* button = view->findChild<QPushButton*>("FailPB");
    QVERIFY(button != nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0].contains("outside"));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(shown.size(), 2);
    QVERIFY(window.isOpen());
  }

  void closingTheMainWindowDropsItAndItComesBackFresh() {
    qtui::QtBackend backend;
    fw::Runtime runtime(backend);
    quillex::StartUp(runtime);
    QMainWindow* view = mainWindowView();
    QVERIFY(view != nullptr);
    form::Window1::Instance().OutputLineArray[48] = "stale";
    view->close();
    QVERIFY(runtime.windows().empty());
    runtime.openDocument(fw::FolderItem("/nonexistent/R1.txt"));
    QCOMPARE(runtime.windows().size(), size_t{1});
    QCOMPARE(form::Window1::Instance().OutputLineArray[48], std::string());
    QVERIFY(mainWindowView() != nullptr);
  }
};

QTEST_MAIN(AppQtTest)
#include "app_qt_test.moc"
