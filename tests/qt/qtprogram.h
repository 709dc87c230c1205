#pragma once

// The program started as main starts it, on the Qt backend, in a fresh home folder, with its main
// window shown and active; the messages it gives are collected instead of waiting in modal boxes,
// and a message no test took fails the test. Helpers find the main window's widgets by control
// name and work them as a person does.

#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "app.h"
#include "form/window1.h"
#include "framework/runtime.h"
#include "qt/qtbackend.h"
#include "qt/windowview.h"
#include "startup.h"

// The Qt backend with a test's code run at every yield of a long handler, before the backend's
// own yield.
class HookedQtBackend : public qtui::QtBackend {
 public:
  void yieldToEventLoop() override {
    ++yields;
    if (onYield) onYield();
    qtui::QtBackend::yieldToEventLoop();
  }

  std::function<void()> onYield;
  int yields = 0;
};

class QtProgram {
 public:
  QtProgram() {
    qputenv("HOME", home.path().toLocal8Bit());
    QDir(home.path()).mkdir("Documents");
    backend.messageBoxOverride = [this](const std::string& text) {
      messages << QString::fromStdString(text);
    };
    quillex::StartUp(runtime);
    window = &form::Window1::Instance();
    view = backend.viewOf(*window);
    if (view == nullptr) qFatal("the main window is not shown");
    view->activateWindow();
    if (!QTest::qWaitForWindowActive(view)) qFatal("the main window does not become active");
  }

  ~QtProgram() { QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n'))); }

  // The main window's widget of the control `name` ("Name(i)" for element i of an array), or
  // its menu item `name`.
  template <class W = QWidget>
  W* widget(const QString& name) const {
    auto* found = view->findChild<W*>(name);
    if (found == nullptr) qFatal("no widget %s", qPrintable(name));
    return found;
  }
  QAction* action(const QString& name) const { return widget<QAction>(name); }

  // Clicks into the field (a combo box's line), selects what it holds and types over it.
  void type(const QString& name, const QString& text) const {
    QWidget* field = widget(name);
    if (auto* combo = qobject_cast<QComboBox*>(field)) field = combo->lineEdit();
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
  }
  static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

  // Opens the pop-up with a click and moves to `row` with the arrow keys; Return takes it.
  void choose(const QString& name, int row) const {
    QAbstractItemView* list = widget<QComboBox>(name)->view();
    QTest::mouseClick(widget(name), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    for (int step = list->currentIndex().row(); step != row; step += step < row ? 1 : -1) {
      QTest::keyClick(list, step < row ? Qt::Key_Down : Qt::Key_Up);
    }
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!list->window()->isVisible());
  }

  // Answers the next `count` modal dialogs as a person would: a file dialog gets `fileName`
  // typed into its name field; a question (replace the file?) is answered Yes. The answering
  // timer goes once all are answered.
  static QPointer<QTimer> answerDialogs(const QString& fileName, int count) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, fileName, count]() mutable {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      if (auto* files = qobject_cast<QFileDialog*>(modal)) {
        // The name typed over whatever the dialog suggests, and Return once the list of
        // completions is gone and this answer is over, so that a question it asks is answered.
        auto* name = files->findChild<QLineEdit*>("fileNameEdit");
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(name, fileName);
        if (QCompleter* completer = name->completer()) completer->popup()->hide();
        QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
      } else if (auto* question = qobject_cast<QMessageBox*>(modal)) {
        QAbstractButton* yes = question->button(QMessageBox::Yes);
        QTimer::singleShot(0, yes, [yes] { QTest::mouseClick(yes, Qt::LeftButton); });
      }
      if (--count == 0) timer->deleteLater();
    });
    timer->start(20);
    return timer;
  }

  // Windows the program closed last go once it has ended.
  struct Flush {
    ~Flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
  } flush;
  QTemporaryDir home;
  HookedQtBackend backend;
  fw::Runtime runtime{backend};
  form::Window1* window = nullptr;
  qtui::WindowView* view = nullptr;
  QStringList messages;
};
