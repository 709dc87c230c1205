#include "qtbackend.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include "framework/runtime.h"
#include "qtfonts.h"
#include "windowview.h"

namespace qtui {

QtBackend::QtBackend() { sinceYield_.start(); }

QtBackend::~QtBackend() {
  for (auto& [model, view] : views_) {
    if (view) {
      view->detach();
      delete view.data();
    }
  }
}

void QtBackend::showWindow(fw::Window& window) {
  QPointer<WindowView>& view = views_[&window];
  if (!view) view = new WindowView(window);
  view->show();
  view->raise();
  view->activateWindow();
}

void QtBackend::closeWindow(fw::Window& window) {
  const auto it = views_.find(&window);
  if (it == views_.end()) return;
  QPointer<WindowView> view = it->second;
  views_.erase(it);
  if (!view) return;
  view->detach();
  view->hide();
  view->deleteLater();
  // Closed model windows go once the event that closed them is over.
  QMetaObject::invokeMethod(
      qApp,
      [] {
        if (auto* runtime = fw::Runtime::currentOrNull()) runtime->collectClosed();
      },
      Qt::QueuedConnection);
  // Closing the last window ends the program.
  if (fw::Runtime::current().windows().size() <= 1) quitEventLoop();
}

void QtBackend::runEventLoop() {
  if (quitRequested_) return;
  QApplication::exec();
}

void QtBackend::quitEventLoop() {
  quitRequested_ = true;
  QApplication::quit();
}

void QtBackend::yieldToEventLoop() {
  // Repaint about every 10 ms; user input waits until the running handler is done, so nothing
  // the user does can start inside it.
  if (sinceYield_.elapsed() < 10) return;
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  sinceYield_.restart();
}

QWidget* QtBackend::dialogParent() const {
  if (fw::Window* front = fw::Runtime::current().frontWindow()) return viewOf(*front);
  return nullptr;
}

void QtBackend::messageBox(const std::string& text) {
  if (messageBoxOverride) {
    messageBoxOverride(text);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), toQt(text), QMessageBox::Ok,
                  dialogParent());
  box.exec();
}

std::optional<fw::FolderItem> QtBackend::openDialog(const fw::FileDialogRequest& request) {
  const QString folder = request.initialFolder
                             ? QString::fromStdString(request.initialFolder->path().string())
                             : QString();
  const QString chosen = QFileDialog::getOpenFileName(dialogParent(), toQt(request.title), folder);
  if (chosen.isEmpty()) return std::nullopt;
  return fw::FolderItem(chosen.toStdString());
}

std::optional<fw::FolderItem> QtBackend::saveDialog(const fw::FileDialogRequest& request) {
  QString start = request.initialFolder
                      ? QString::fromStdString(request.initialFolder->path().string())
                      : QString();
  if (!request.suggestedFileName.empty()) {
    start = start.isEmpty() ? toQt(request.suggestedFileName)
                            : start + "/" + toQt(request.suggestedFileName);
  }
  const QString title = toQt(request.title.empty() ? request.promptText : request.title);
  const QString chosen = QFileDialog::getSaveFileName(dialogParent(), title, start);
  if (chosen.isEmpty()) return std::nullopt;
  return fw::FolderItem(chosen.toStdString());
}

std::optional<fw::FolderItem> QtBackend::documentsFolder() const {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) return std::nullopt;
  return fw::FolderItem(folder.toStdString());
}

WindowView* QtBackend::viewOf(const fw::Window& window) const {
  const auto it = views_.find(&window);
  return it == views_.end() ? nullptr : it->second.data();
}

}  // namespace qtui
