// The program on the offscreen Qt platform: start-up, the main window with its menu bar, quitting
// from the File menu, and an error in a handler shown without ending the program.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
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

// A window with one text field and the application's menu bar.
class FieldWindow : public fw::Window {
 public:
  fw::EditField* field = nullptr;
  std::vector<std::string> changes;

 protected:
  void Layout(fw::WindowSpec& frame) override {
    frame.Title = "Field";
    frame.MenuBar = fw::Runtime::current().application()->MenuBar;
  }
  void CreateControls() override {
    field = &addControl<fw::EditField>({.kind = fw::ControlKind::EditField,
                                        .Name = "NameEF",
                                        .Left = 10,
                                        .Top = 10,
                                        .Width = 200,
                                        .Height = 22});
    field->bind(fw::Event::TextChange, [this](int) { changes.push_back(field->Text()); });
    output = &addControl<fw::EditField>({.kind = fw::ControlKind::EditField,
                                         .Name = "OutEF",
                                         .Left = 0,
                                         .Top = 40,
                                         .Width = 300,
                                         .Height = 200,
                                         .Multiline = true});
  }

 public:
  fw::EditField* output = nullptr;
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

  void editMenuEditsTheFocusedFieldAndTheFormFollows() {
    qtui::QtBackend backend;
    fw::Runtime runtime(backend);
    quillex::StartUp(runtime);
    auto& window = fw::implicitInstance<FieldWindow>();
    QMainWindow* view = backend.viewOf(window);
    auto* edit = view->findChild<QLineEdit*>("NameEF");
    QVERIFY(edit != nullptr);
    view->activateWindow();
    edit->setFocus();
    QApplication::setActiveWindow(view);
    QTest::keyClicks(edit, "4k7");
    QCOMPARE(window.field->Text(), std::string("4k7"));
    QCOMPARE(window.changes.size(), size_t{3});  // one change per key
    view->findChild<QAction*>("EditSelectAll")->trigger();
    view->findChild<QAction*>("EditCut")->trigger();
    QCOMPARE(window.field->Text(), std::string());
    view->findChild<QAction*>("EditPaste")->trigger();
    QCOMPARE(window.field->Text(), std::string("4k7"));
    view->findChild<QAction*>("EditUndo")->trigger();
    QCOMPARE(window.field->Text(), std::string());
  }

  void aGrowingOutputShowsExactlyTheModelsText() {
    qtui::QtBackend backend;
    fw::Runtime runtime(backend);
    quillex::StartUp(runtime);
    auto& window = fw::implicitInstance<FieldWindow>();
    auto* plain = backend.viewOf(window)->findChild<QPlainTextEdit*>("OutEF");
    QVERIFY(plain != nullptr);
    std::string text;
    for (int line = 0; line < 50; ++line) {
      text += "R" + std::to_string(line) + "\t4.7kΩ\n";
      window.output->setText(text);
    }
    QCOMPARE(plain->toPlainText().toStdString(), text);
    window.output->setText("other");
    QCOMPARE(plain->toPlainText(), QString("other"));
    window.output->setText("");
    QCOMPARE(plain->toPlainText(), QString());
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
