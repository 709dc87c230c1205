#pragma once

// The program started as main starts it, on the Qt backend, with its main window shown and
// active; the messages it gives are collected instead of waiting in modal boxes. Helpers find the
// main window's widgets by control name and type into them as a person does.

#include <QApplication>
#include <QCoreApplication>
#include <QStringList>
#include <QWidget>
#include <QtTest>
#include <functional>
#include <memory>

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
    backend_->messageBoxOverride = [this](const std::string& text) {
      messages << QString::fromStdString(text);
    };
    quillex::StartUp(*runtime_);
    window = &form::Window1::Instance();
    view = backend_->viewOf(*window);
    if (view == nullptr) qFatal("the main window is not shown");
    view->activateWindow();
    if (!QTest::qWaitForWindowActive(view)) qFatal("the main window does not become active");
  }

  ~QtProgram() {
    runtime_.reset();
    backend_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QtProgram(const QtProgram&) = delete;
  QtProgram& operator=(const QtProgram&) = delete;

  // The main window's widget of the control `name`, "Name(i)" for element i of an array.
  template <class W = QWidget>
  W* widget(const QString& name) const {
    auto* found = view->findChild<W*>(name);
    if (found == nullptr) qFatal("no widget %s", qPrintable(name));
    return found;
  }

  // Selects what the field holds and types over it, as a person replacing a value does.
  static void typeInto(QWidget* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
  }

  fw::Runtime& runtime() const { return *runtime_; }
  HookedQtBackend& backend() const { return *backend_; }

  form::Window1* window = nullptr;
  qtui::WindowView* view = nullptr;
  QStringList messages;

 private:
  std::unique_ptr<HookedQtBackend> backend_ = std::make_unique<HookedQtBackend>();
  std::unique_ptr<fw::Runtime> runtime_ = std::make_unique<fw::Runtime>(*backend_);
};
