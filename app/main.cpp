// The program's entry: the Qt application, the framework on its Qt backend, start-up and the
// event loop.

#include <QApplication>
#include <QFileOpenEvent>
#include <vector>

#include "framework/runtime.h"
#include "qt/qtbackend.h"
#include "startup.h"

namespace {

// Documents handed to the running application by the desktop.
class FileOpenFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FileOpen) {
      const QString file = static_cast<QFileOpenEvent*>(event)->file();
      auto& runtime = fw::Runtime::current();
      runtime.guard([&] { runtime.openDocument(fw::FolderItem(file.toStdString())); });
      return true;
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Quillex");
  std::vector<fw::FolderItem> documents;
  for (const QString& argument : QApplication::arguments().mid(1)) {
    documents.emplace_back(argument.toStdString());
  }
  int status = 0;
  {
    qtui::QtBackend backend;
    fw::Runtime runtime(backend);
    FileOpenFilter filter;
    application.installEventFilter(&filter);
    status = quillex::Main(runtime, documents);
    application.removeEventFilter(&filter);
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return status;
}
