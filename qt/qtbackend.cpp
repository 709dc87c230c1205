#include "qtbackend.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <algorithm>
#include <filesystem>

#include "framework/runtime.h"
#include "qtfonts.h"
#include "vectorstate.h"
#include "windowview.h"

namespace qtui {
namespace {

// Events are processed at most this often during a long handler (nanoseconds): the window
// repaints about 100 times a second.
constexpr qint64 kEventsEvery = 10'000'000;
// The clock is read about this often (nanoseconds)...
constexpr qint64 kCheckEvery = 1'000'000;
// ...but at least every this many calls, so that a loop that slows down (after a fast one set
// the count up) is noticed within that many passes.
constexpr qint64 kMostCallsPerCheck = 64;

// A path as the dialogs show it. The system names files by bytes that need not be UTF-8; Qt shows
// such a name with replacement characters, and that text names another file, or none.
QString shownPath(const std::filesystem::path& path) {
  return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

// Whether Qt names `path` by the same bytes again once it has shown it.
bool nameable(const std::filesystem::path& path) {
  return QFile::encodeName(shownPath(path)).toStdString() == path.native();
}

// The file a dialog answered, by the bytes of its path. A path that differs from the suggested
// file's only where Qt had to replace what it could not show keeps the suggested file's bytes
// there: the suggested folder, also one whose name is not UTF-8, and the suggested name in any
// folder. Without a suggestion, the path is taken as Qt names it.
fw::FolderItem chosenFile(const QString& chosen, const std::filesystem::path& suggested = {}) {
  const QFileInfo file(QDir::cleanPath(chosen));
  const std::filesystem::path suggestedFolder = suggested.parent_path();
  const std::filesystem::path folder =
      !suggested.empty() && file.path() == QDir::cleanPath(shownPath(suggestedFolder))
          ? suggestedFolder
          : std::filesystem::path(QFile::encodeName(file.path()).toStdString());
  if (!suggested.empty() && file.fileName() == shownPath(suggested.filename())) {
    return fw::FolderItem(folder / suggested.filename());
  }
  return fw::FolderItem(folder / QFile::encodeName(file.fileName()).toStdString());
}

}  // namespace

QtBackend::QtBackend() { clock_.start(); }

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
  // A minimized window comes back as it was before, maximized or not.
  view->setWindowState(view->windowState() & ~Qt::WindowMinimized);
  view->show();
  view->raise();
  view->activateWindow();
  clearUpperVectorState();
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
  collectClosedWhenIdle();
  // Closing the last window ends the program.
  if (fw::Runtime::current().windows().size() <= 1) quitEventLoop();
}

// Closed model windows go once the event that closed them is over, and never inside a yield:
// a handler that yields (Go, between two devices) may still be working on the window that a
// close in the yield took off the screen.
void QtBackend::collectClosedWhenIdle() {
  QMetaObject::invokeMethod(
      &calls_,
      [this] {
        if (yieldDepth_ > 0) {
          collectClosedWhenIdle();
        } else if (auto* runtime = fw::Runtime::currentOrNull()) {
          runtime->collectClosed();
        }
      },
      Qt::QueuedConnection);
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
  // Most calls only count down: a long loop yields on every pass, often many times a
  // microsecond, and reading the clock costs more than such a pass.
  if (--callsUntilCheck_ > 0) return;
  yieldByClock();
}

void QtBackend::yieldByClock() {
  qint64 now = clock_.nsecsElapsed();
  // The next reading after as many calls as come in about kCheckEvery at the pace since the
  // last one: at most twice as many as this time, and at least 1.
  const qint64 took = now - lastCheck_;
  const qint64 paced = took > 0 ? callsPerCheck_ * kCheckEvery / took : kMostCallsPerCheck;
  callsPerCheck_ = static_cast<int>(
      std::clamp<qint64>(paced, 1, std::min<qint64>(2 * callsPerCheck_, kMostCallsPerCheck)));
  callsUntilCheck_ = callsPerCheck_;
  // Repaint about every 10 ms, leaving the window system's input in its queue (what keeps input
  // out of the running handler is the hold of handlerinput.h). The time is taken before
  // processing, so a yield from inside the processing does not process again.
  if (now - lastEvents_ >= kEventsEvery) {
    lastEvents_ = now;
    ++yieldDepth_;
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    clearUpperVectorState();
    --yieldDepth_;
    now = clock_.nsecsElapsed();
    lastEvents_ = now;
  }
  lastCheck_ = now;
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
  clearUpperVectorState();
}

std::optional<fw::FolderItem> QtBackend::openDialog(const fw::FileDialogRequest& request) {
  const QString folder =
      request.initialFolder ? shownPath(request.initialFolder->path()) : QString();
  const QString chosen = QFileDialog::getOpenFileName(dialogParent(), toQt(request.title), folder);
  clearUpperVectorState();
  if (chosen.isEmpty()) return std::nullopt;
  return chosenFile(chosen);
}

std::optional<fw::FolderItem> QtBackend::saveDialog(const fw::FileDialogRequest& request) {
  std::filesystem::path folder = request.initialFolder ? request.initialFolder->path() : "";
  std::error_code ec;
  if (!folder.empty()) folder = std::filesystem::absolute(folder, ec);
  const std::filesystem::path suggested = request.suggestedFileName.empty()
                                              ? std::filesystem::path()
                                              : folder / request.suggestedFileName;
  const QString title = toQt(request.title.empty() ? request.promptText : request.title);
  QFileDialog dialog(dialogParent(), title, shownPath(suggested.empty() ? folder : suggested));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  if (!suggested.empty() && !nameable(folder)) {
    // Qt cannot list a folder whose name it cannot show, and would start somewhere else with
    // only the suggested name, which then names a file there. It starts in the nearest folder
    // above that it can list, its name field holding the way on from there to the suggested file
    // (which the dialog takes as a path, not as a folder to list: a folder that Qt shows by the
    // same name may exist).
    std::filesystem::path listed = folder;
    while (listed.has_relative_path() && !nameable(listed)) listed = listed.parent_path();
    dialog.setDirectory(shownPath(listed));
    dialog.selectFile(shownPath(suggested.lexically_relative(listed)));
  }
  const bool accepted = dialog.exec() == QDialog::Accepted;
  clearUpperVectorState();
  const QString chosen = accepted ? dialog.selectedFiles().value(0) : QString();
  if (chosen.isEmpty()) return std::nullopt;
  return chosenFile(chosen, suggested);
}

std::optional<fw::FolderItem> QtBackend::documentsFolder() const {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) return std::nullopt;
  return fw::FolderItem(QFile::encodeName(folder).toStdString());
}

WindowView* QtBackend::viewOf(const fw::Window& window) const {
  const auto it = views_.find(&window);
  return it == views_.end() ? nullptr : it->second.data();
}

}  // namespace qtui
