// Go on the offscreen Qt platform: a family from a form filled in with the mouse and keyboard,
// read back from the widgets; clicks and keys that arrive while a run goes on, which wait for its
// end; the main window closed in the middle of a run; and the progress shown while it runs.

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>
#include <chrono>
#include <thread>

#include "app.h"
#include "qtprogram.h"

// The texts a label shows each time it is painted.
class PaintedTexts : public QObject {
 public:
  explicit PaintedTexts(QLabel* label) : label_(label) { label->installEventFilter(this); }
  ~PaintedTexts() override { label_->removeEventFilter(this); }

  QStringList texts;

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint) texts << label_->text();
    return false;
  }

 private:
  QLabel* label_;
};

class GoQtTest : public QObject {
  Q_OBJECT

 private:
  template <class W = QWidget>
  W* widget(const QString& name) const {
    return program_->widget<W>(name);
  }

  // Opens the pop-up with a click and moves to `row` with the arrow keys; Return takes it.
  static void chooseRow(QComboBox* popup, int row) {
    QTest::mouseClick(popup, Qt::LeftButton);
    QAbstractItemView* list = popup->view();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    const int from = list->currentIndex().row();
    for (int step = from; step < row; ++step) QTest::keyClick(list, Qt::Key_Down);
    for (int step = from; step > row; --step) QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!list->window()->isVisible());
  }

  // Clicks into the field, selects what it holds and types over it.
  static void clickAndType(QWidget* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
  }

  // A click and a key posted to the event queue, to be delivered at the event loop's next pass.
  static void queueClick(QWidget* target) {
    const QPointF at = QRectF(target->rect()).center();
    const QPointF global = target->mapToGlobal(at);
    QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                        Qt::LeftButton, Qt::LeftButton, {}));
    QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                        Qt::LeftButton, Qt::NoButton, {}));
  }
  static void queueKey(QWidget* target, Qt::Key key, const QString& text) {
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, {}, text));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, {}, text));
  }

  // E192 over five decades of ohms: 961 devices, a run long enough to watch.
  void setUpLongRun() const {
    form::Window1& w = *program_->window;
    w.ValueSuffixPU().setListIndex(1);
    w.SeriesPU().setListIndex(5);
    w.StartEF().setText("1");
    w.StopEF().setText("100000");
    w.RefDesPreCB().setText("R");
    w.CheckForGo();
  }

  // Go, wrapped so that `events` records where each run begins and ends.
  void recordRuns(QStringList& events) const {
    auto& commands = quillex::App::Instance().Commands;
    commands.go = [&events, go = commands.go](form::Window1& w) {
      events << "run";
      go(w);
      events << "done";
    };
  }

  std::unique_ptr<QtProgram> program_;

 private slots:
  void init() { program_ = std::make_unique<QtProgram>(); }

  void cleanup() {
    QVERIFY2(program_->messages.isEmpty(), qPrintable(program_->messages.join('\n')));
    program_.reset();
  }

  // E12 from 10 to 100 ohm with the initial sources: 10, 12, 15, ... 82, 100.
  void aFormFilledInByHandGivesItsFamily() {
    chooseRow(widget<QComboBox>("ValueSuffixPU"), 1);  // "Ω, kΩ, MΩ..."
    chooseRow(widget<QComboBox>("SeriesPU"), 1);       // "E12"
    clickAndType(widget("StartEF"), "10");
    clickAndType(widget("StopEF"), "100");
    clickAndType(widget<QComboBox>("RefDesPreCB")->lineEdit(), "R");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(widget("PushButton1")->isEnabled());
    QTest::mouseClick(widget("PushButton1"), Qt::LeftButton);

    const QStringList lines = widget<QPlainTextEdit>("TestEF")->toPlainText().split('\n');
    QCOMPARE(lines.size(), 9 + 13 + 1);  // the text ends with a line end
    QCOMPARE(lines.last(), QString());
    QVERIFY(lines[0].startsWith("*_Param_A\t"));
    for (int device = 1; device <= 13; ++device) {
      const QStringList columns = lines[8 + device].split('\t');
      QCOMPARE(columns.size(), 20);
      QCOMPARE(columns[0], QString("R%1").arg(device));
    }
    QCOMPARE(lines[9],
             QString("R1\t10Ω\t10Ω 1%\t10\tBourns\tCR0805-FX-10ELF\tAvnet\t10R0\tStackpole\t"
                     "RMCF1/10 10 1%R\tAvnet\t10R0\tNIC Components\tNRC10F10TR10F\tAvnet\t10R0\t"
                     "10.0\t\t\t"));
    QCOMPARE(lines[21].section('\t', 1, 1), QString("100Ω"));

    auto* count = widget<QLabel>("DeviceCntST");
    auto* last = widget<QLabel>("CurrentValueST");
    QCOMPARE(count->text(), QString("13 Devices Generated"));
    QCOMPARE(last->text(), QString("Last device generated:100Ω"));
    // Both status texts fit their labels whole.
    QVERIFY(count->isVisible() && count->sizeHint().width() <= count->width());
    QVERIFY(last->isVisible() && last->sizeHint().width() <= last->width());

    QCoreApplication::processEvents();  // the output's scroll bar follows its text
    QVERIFY(program_->view->grab().save(QString(QUILLEX_BUILD_DIR) + "/main-window-after-go.png"));
  }

  // A click on Go and a key typed into a field while a run goes on reach the form only once the
  // run is over: the key then edits the field, and the click starts a second run.
  void inputDuringARunWaitsForItsEnd() {
    setUpLongRun();
    QStringList events;
    recordRuns(events);
    connect(widget<QLineEdit>("LibPreEF"), &QLineEdit::textEdited,
            [&events](const QString& text) { events << "typed " + text; });
    bool looped = false;
    program_->backend().onYield = [&] {
      const int yields = program_->backend().yields;
      if (yields == 40) {
        events << "queued";
        queueKey(widget("LibPreEF"), Qt::Key_X, "x");
        queueClick(widget("PushButton1"));
        QTimer::singleShot(0, [&] {
          events << "event loop";
          looped = true;
        });
      }
      // Until the backend's yield has let the event loop run, each yield takes a little time, so
      // that happens during the run whatever the machine's speed.
      if (yields > 40 && !looped) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    QTest::mouseClick(widget("PushButton1"), Qt::LeftButton);
    QTRY_COMPARE(events,
                 (QStringList{"run", "queued", "event loop", "done", "typed x", "run", "done"}));
    QCOMPARE(widget<QLabel>("DeviceCntST")->text(), QString("961 Devices Generated"));
  }

  // Closing the main window while a run goes on ends the run with the window: the device being
  // built when the close came is the last. The program goes on, and the next main window is a
  // fresh one with an empty output.
  void closingTheWindowDuringARunEndsTheRun() {
    setUpLongRun();
    QStringList events;
    recordRuns(events);
    int closedAt = 0;
    program_->backend().onYield = [&] {
      // The yield that follows the first progress refresh ends that device.
      if (closedAt == 0 && program_->window->CurrentValueST().Text().starts_with("Last device")) {
        closedAt = program_->backend().yields;
        events << "closed";
        program_->view->close();
      }
    };
    QTest::mouseClick(widget("PushButton1"), Qt::LeftButton);
    QCOMPARE(events, (QStringList{"run", "closed", "done"}));
    QCOMPARE(program_->backend().yields, closedAt);
    QVERIFY(program_->runtime().findWindow(typeid(form::Window1)) == nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form::Window1::Instance().TestEF().Text().empty());
  }

  // A close that comes in the middle of a device, with the event loop running in the yields
  // after it, ends the run at the end of that device; the window is not freed under the run.
  void closingTheWindowInTheMiddleOfADevice() {
    setUpLongRun();
    QStringList events;
    recordRuns(events);
    int refreshedAt = 0;
    program_->backend().onYield = [&] {
      const int yield = program_->backend().yields;
      if (refreshedAt == 0 &&
          program_->window->CurrentValueST().Text().starts_with("Last device")) {
        refreshedAt = yield;
      } else if (refreshedAt != 0 && yield == refreshedAt + 2) {
        events << "closed";
        program_->view->close();
      } else if (refreshedAt != 0 && yield > refreshedAt + 2) {
        QTest::qSleep(11);  // the backend's yield runs the event loop again
      }
    };
    QTest::mouseClick(widget("PushButton1"), Qt::LeftButton);
    QCOMPARE(events, (QStringList{"run", "closed", "done"}));
    QCoreApplication::processEvents();
    QVERIFY(program_->runtime().findWindow(typeid(form::Window1)) == nullptr);
  }

  // While a run goes on, the status text shows how far it has come, painted as soon as it is
  // set (a text the label holds at a yield has already been painted), and the output shows the
  // text so far a moment later: the section lines and the first devices of the final text.
  void progressShowsWhileTheRunGoesOn() {
    setUpLongRun();
    auto* status = widget<QLabel>("CurrentValueST");
    auto* output = widget<QPlainTextEdit>("TestEF");
    PaintedTexts painted(status);
    const QString before = status->text();
    QStringList unpainted;
    QString outputSoFar;
    program_->backend().onYield = [&] {
      if (status->text() != before &&
          painted.texts.value(painted.texts.size() - 1) != status->text()) {
        unpainted << status->text();
      }
      // Until the output shows something, each yield takes a little time, so that the moment
      // comes during the run whatever the machine's speed.
      if (outputSoFar.isEmpty()) outputSoFar = output->toPlainText();
      if (outputSoFar.isEmpty()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    QTest::mouseClick(widget("PushButton1"), Qt::LeftButton);

    QVERIFY2(unpainted.isEmpty(), qPrintable(unpainted.join('\n')));
    QVERIFY(painted.texts.size() >= 2);
    QVERIFY(painted.texts.first().startsWith("Last device generated so far:"));
    QCOMPARE(painted.texts.last(), QString("Last device generated:100kΩ"));

    const QString finalText = output->toPlainText();
    QVERIFY(outputSoFar.count('\n') >= 9 + 3);
    QVERIFY(outputSoFar.endsWith('\n'));
    QVERIFY(outputSoFar.size() < finalText.size());
    QVERIFY(finalText.startsWith(outputSoFar));
    QCOMPARE(finalText.count('\n'), 9 + 961);
    QVERIFY(!output->document()->isUndoAvailable());  // the program's text, not the user's edit
  }
};

QTEST_MAIN(GoQtTest)
#include "go_qt_test.moc"
