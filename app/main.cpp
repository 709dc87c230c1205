// The program's entry: the Qt application, the framework on its Qt backend, start-up and the
// event loop.

#include <QApplication>
#include <QFile>
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
      const QByteArray file = QFile::encodeName(static_cast<QFileOpenEvent*>(event)->file());
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
  // Qt has taken its own options out of argv; the rest name documents. A name is kept as the
  // bytes the system gave, so a name that is not UTF-8 still names its file.
  std::vector<fw::FolderItem> documents;
  for (int i = 1; i < argc; ++i) documents.emplace_back(argv[i]);
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
