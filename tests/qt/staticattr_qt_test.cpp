// The Static Attributes window on the offscreen platform, reached as a person reaches it: through
// Windows > Static Attributes in the main window's menu bar.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <memory>

#include "form/staticattr.h"
#include "form/window1.h"
#include "framework/runtime.h"
#include "qt/qtbackend.h"
#include "qt/windowview.h"
#include "startup.h"

class StaticAttrQtTest : public QObject {
  Q_OBJECT

 private:
  // The visible top-level windows titled "Static Attributes".
  static QList<QWidget*> staticAttributeWindows() {
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->isVisible() && widget->windowTitle() == "Static Attributes") found << widget;
    }
    return found;
  }

  void chooseStaticAttributes() {
    qtui::WindowView* main = backend_->viewOf(form::Window1::Instance());
    QVERIFY(main != nullptr);
    auto* action = main->menuBar()->findChild<QAction*>("WindowsStaticAttributes");
    QVERIFY(action != nullptr);
    action->trigger();
  }

  std::unique_ptr<qtui::QtBackend> backend_;
  std::unique_ptr<fw::Runtime> runtime_;

 private slots:
  void init() {
    backend_ = std::make_unique<qtui::QtBackend>();
    backend_->messageBoxOverride = [](const std::string& text) { QFAIL(text.c_str()); };
    runtime_ = std::make_unique<fw::Runtime>(*backend_);
    quillex::StartUp(*runtime_);
  }

  void cleanup() {
    runtime_.reset();
    backend_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void menuTwiceShowsOneWindowWithItsValues() {
    chooseStaticAttributes();
    QCOMPARE(staticAttributeWindows().size(), 1);
    QWidget* window = staticAttributeWindows().first();
    auto* package = window->findChild<QLineEdit*>("PackageEF");
    QVERIFY(package != nullptr);
    QTest::keyClicks(package, "0805");

    chooseStaticAttributes();
    QCOMPARE(staticAttributeWindows().size(), 1);
    QCOMPARE(staticAttributeWindows().first(), window);
    QCOMPARE(package->text(), QString("0805"));
    QCOMPARE(form::StaticAttr::Instance().get<fw::EditField>("PackageEF").Text(), "0805");
  }

  void windowHasItsFrameAndAClosedOneComesBackFresh() {
    chooseStaticAttributes();
    QWidget* window = staticAttributeWindows().first();
    auto* view = dynamic_cast<qtui::WindowView*>(window);
    QVERIFY(view != nullptr);
    // The content keeps the frame's size under the menu bar, so the bottom controls stay put.
    QCOMPARE(view->centralWidget()->size(), QSize(876, 650));
    QCOMPARE(window->findChild<QWidget*>("HTMLViewer1")->geometry(), QRect(0, 383, 876, 267));
    QCOMPARE(window->findChild<QWidget*>("URLEF")->geometry().x(), 30);
    QTest::keyClicks(window->findChild<QLineEdit*>("GmMassEF"), "0.01");

    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(staticAttributeWindows().size(), 0);
    chooseStaticAttributes();
    QCOMPARE(staticAttributeWindows().size(), 1);
    QCOMPARE(staticAttributeWindows().first()->findChild<QLineEdit*>("GmMassEF")->text(),
             QString());
  }
};

QTEST_MAIN(StaticAttrQtTest)
#include "staticattr_qt_test.moc"
