// File > Save and File > Open on the offscreen Qt platform, through their dialogs as a person uses
// them; the program started with a document on its command line; and a TAB or line end pasted
// into a one-line field.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "app.h"
#include "qtprogram.h"

namespace {

// Answers the next modal dialogs as a person would: a file dialog, which starts in the folder
// the program chose, gets `fileName` typed into its name field; a question (replace the file?)
// is answered Yes. Runs until `count` dialogs are answered.
void answerDialogs(const QString& fileName, int count) {
  auto* timer = new QTimer(qApp);
  timer->setInterval(20);
  QObject::connect(timer, &QTimer::timeout, [timer, fileName, count]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* files = qobject_cast<QFileDialog*>(modal)) {
      // The name typed over whatever the dialog suggests, and Return once the list of
      // completions is gone.
      auto* name = files->findChild<QLineEdit*>("fileNameEdit");
      QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(name, fileName);
      if (QCompleter* completer = name->completer()) completer->popup()->hide();
      // Pressed once this answer is over, so that a question the dialog asks next is answered too.
      QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
    } else if (auto* question = qobject_cast<QMessageBox*>(modal)) {
      QAbstractButton* yes = question->button(QMessageBox::Yes);
      QTimer::singleShot(0, yes, [yes] { QTest::mouseClick(yes, Qt::LeftButton); });
    } else {
      return;
    }
    if (--count == 0) timer->deleteLater();
  });
  timer->start();
}

}  // namespace

class FileQtTest : public QObject {
  Q_OBJECT

 private slots:
  // The user's documents folder, where the open dialog starts, is a fresh folder.
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    documents_ = folder_->filePath("Documents");
    QDir().mkpath(documents_);
    qputenv("HOME", folder_->path().toLocal8Bit());
    program_ = std::make_unique<QtProgram>();
  }
  void cleanup() {
    QVERIFY2(program_->messages.isEmpty(), qPrintable(program_->messages.join('\n')));
    program_.reset();
  }

  // Saved, saved again over the same file (the dialog asks first), then opened after the form
  // changed: the form comes back and the title names the file.
  void savedAndOpenedThroughTheDialogs() {
    form::Window1& w = *program_->window;
    w.ValueSuffixPU().setListIndex(1);
    w.RefDesPreCB().setText("R");
    w.LibPreEF().setText("µ-");
    w.StopEF().setText("11");
    QTest::mouseClick(program_->widget("PushButton1"), Qt::LeftButton);
    const QString file = documents_ + "/family.txt";
    auto* save = program_->view->menuBar()->findChild<QAction*>("FileSave");
    // Saved where a file was opened before; the second time the dialog asks to replace it.
    quillex::App::Instance().fpath = fw::FolderItem(documents_.toStdString());
    answerDialogs("family.txt", 1);
    save->trigger();
    QVERIFY(QFileInfo(file).size() > 0);
    QFile(file).resize(0);
    answerDialogs("family.txt", 2);
    save->trigger();
    QVERIFY(QFileInfo(file).size() > 0);

    w.LibPreEF().setText("changed");
    w.StopEF().setText("99");
    answerDialogs("family.txt", 1);
    program_->view->menuBar()->findChild<QAction*>("FileOpen")->trigger();
    QCOMPARE(program_->widget<QLineEdit>("LibPreEF")->text(), QString("µ-"));
    QCOMPARE(program_->widget<QLineEdit>("StopEF")->text(), QString("11"));
    QCOMPARE(program_->view->windowTitle(), QString("family.txt"));
  }

  // A document named on the command line is read into the main window before the user works.
  void startedWithADocument() {
    program_.reset();
    const QString file = folder_->filePath("R1.txt");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("*_Param_A\t1\t1\t10\t220\tLP-\t\n\n\n");
    out.close();
    {
      HookedQtBackend backend;
      fw::Runtime runtime(backend);
      QString title, stop;
      QTimer::singleShot(0, [&] {
        if (auto* view = backend.viewOf(form::Window1::Instance())) {
          title = view->windowTitle();
          stop = view->findChild<QLineEdit*>("StopEF")->text();
        }
        runtime.quit();
      });
      QCOMPARE(quillex::Main(runtime, {fw::FolderItem(file.toStdString())}), 0);
      QCOMPARE(title, QString("R1.txt"));
      QCOMPARE(stop, QString("220"));
    }
    program_ = std::make_unique<QtProgram>();
  }

  // A TAB or a line end pasted into a one-line field becomes a blank, in the field and the form.
  void aPastedTabOrLineEndBecomesABlank() {
    auto* field = program_->widget<QLineEdit>("LibPreEF");
    QApplication::clipboard()->setText("a\tb\nc");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(program_->window->LibPreEF().Text(), std::string("a b c"));
    QCOMPARE(field->text(), QString("a b c"));
  }

 private:
  std::unique_ptr<QtProgram> program_;
  std::unique_ptr<QTemporaryDir> folder_;
  QString documents_;
};

QTEST_MAIN(FileQtTest)
#include "file_qt_test.moc"
