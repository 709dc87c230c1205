#include "offscreen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPixmap>
#include <iostream>

#include "qtbackend.h"
#include "windowview.h"

namespace qtui {

struct OffscreenSession::Parts {
  Parts(int& argc, char** argv) : application(argc, argv), backend(std::make_unique<QtBackend>()) {
    backend->messageBoxOverride = [this](const std::string& text) {
      ++messages;
      std::cerr << text << '\n';
    };
  }
  ~Parts() {
    backend.reset();
    // The views of closed windows wait for deletion; they go before the application does.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  QApplication application;
  std::unique_ptr<QtBackend> backend;
  int messages = 0;
};

namespace {
int& withOffscreenPlatform(int& argc) {
  // The platform is chosen when the application starts, so it must be set before.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  return argc;
}
}  // namespace

OffscreenSession::OffscreenSession(int& argc, char** argv)
    : parts_(std::make_unique<Parts>(withOffscreenPlatform(argc), argv)) {
  QApplication::setApplicationName("Quillex");
}

OffscreenSession::~OffscreenSession() = default;

fw::Backend& OffscreenSession::backend() noexcept { return *parts_->backend; }

int OffscreenSession::messageCount() const noexcept { return parts_->messages; }

bool OffscreenSession::click(const fw::Window& window, const fw::Control& button) const {
  WindowView* view = parts_->backend->viewOf(window);
  auto* widget = view != nullptr ? qobject_cast<QAbstractButton*>(view->widgetOf(button)) : nullptr;
  if (widget == nullptr) return false;
  widget->click();
  return true;
}

void OffscreenSession::processEvents() const { QApplication::processEvents(); }

bool OffscreenSession::saveImage(const fw::Window& window, const std::string& file) const {
  WindowView* view = parts_->backend->viewOf(window);
  if (view == nullptr) return false;
  // Let pending layout and paint requests settle so the picture shows the finished window.
  processEvents();
  return view->grab().save(QString::fromStdString(file), "PNG");
}

}  // namespace qtui
