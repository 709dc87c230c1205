// Go on the offscreen Qt platform: a family from a form filled in with the mouse and keyboard,
// read back from the widgets; clicks and keys that arrive while a run goes on, which wait for its
// end; the main window closed in the middle of a run; and the progress shown while it runs.

#include "qtprogram.h"

namespace {

// The texts a label shows each time it is painted, once installed as its event filter.
struct PaintedTexts : QObject {
  bool eventFilter(QObject* label, QEvent* event) override {
    if (event->type() == QEvent::Paint) texts << static_cast<QLabel*>(label)->text();
    return false;
  }
  QStringList texts;
};

// E192 over five decades of ohms: 961 devices, a run long enough to watch; Go wrapped so that
// `events` records where each run begins and ends.
void setUpLongRun(const QtProgram& p, QStringList& events) {
  form::Window1& w = *p.window;
  w.ValueSuffixPU().setListIndex(1);
  w.SeriesPU().setListIndex(5);
  w.StartEF().setText("1");
  w.StopEF().setText("100000");
  w.RefDesPreCB().setText("R");
  w.CheckForGo();
  auto& commands = quillex::App::Instance().Commands;
  commands.go = [&events, go = commands.go](form::Window1& window) {
    events << "run";
    go(window);
    events << "done";
  };
}

}  // namespace

class GoQtTest : public QObject {
  Q_OBJECT

 private slots:
  // E12 from 10 to 100 ohm with the initial sources: 13 devices, the last 100. Then a
  // manufacturer typed in keeps the output until it is committed; one chosen from the list
  // empties it at once.
  void aFormFilledInByHandGivesItsFamily() {
    QtProgram p;
    p.choose("ValueSuffixPU", 1);  // "Ω, kΩ, MΩ..."
    QVERIFY(p.widget("UnitsStopST")->isVisible());
    p.choose("SeriesPU", 1);  // "E12"
    p.type("StartEF", "10");
    p.type("StopEF", "100");
    p.type("RefDesPreCB", "R");
    QVERIFY(!p.widget("PushButton1")->isEnabled());
    QtProgram::press(Qt::Key_Tab);  // leaving the box commits the entry
    QTest::mouseClick(p.widget("PushButton1"), Qt::LeftButton);

    auto* output = p.widget<QPlainTextEdit>("TestEF");
    QCOMPARE(output->toPlainText().count('\n'), 9 + 13);
    auto* count = p.widget<QLabel>("DeviceCntST");
    auto* last = p.widget<QLabel>("CurrentValueST");
    QCOMPARE(last->text(), QString("Last device generated:100Ω"));
    // Both status texts fit their labels whole.
    QVERIFY(count->isVisible() && count->sizeHint().width() <= count->width());
    QVERIFY(last->isVisible() && last->sizeHint().width() <= last->width());
    QCoreApplication::processEvents();  // the output's scroll bar follows its text
    QVERIFY(p.view->grab().save(QString(QUILLEX_BUILD_DIR) + "/main-window-after-go.png"));

    // Go opened the Static Attributes window in front; the user goes back to the main window.
    p.view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(p.view));
    p.type("ManufCB(1)", "Yageo");  // not in the list, so only leaving the box commits it
    QCOMPARE(p.window->OutputLineArray[20], std::string("Yageo"));
    QVERIFY(!output->toPlainText().isEmpty());
    QtProgram::press(Qt::Key_Tab);
    QVERIFY(output->toPlainText().isEmpty());
    p.type("TestEF", "R1 result");
    QCOMPARE(p.window->TestEF().Text(), std::string("R1 result"));
    // Return that chooses a row of an open list does not press Go as well.
    QVERIFY(p.widget("PushButton1")->isEnabled());
    p.choose("SeriesPU", 2);
    QVERIFY(output->toPlainText().isEmpty());
    QCOMPARE(p.window->SeriesPU().ListIndex(), 2);
    p.widget("ManufCB(2)")->setFocus();
    QtProgram::press(Qt::Key_Down);  // from "NIC Components" to "Panasonic"
    QCOMPARE(p.window->ManufCB(2).Text(), std::string("Panasonic"));
    QVERIFY(output->toPlainText().isEmpty());
  }

  // A click on Go and a key typed into a field while a run goes on reach the form only once the
  // run is over: the key then edits the field, and the click starts a second run.
  void inputDuringARunWaitsForItsEnd() {
    QtProgram p;
    QStringList events;
    setUpLongRun(p, events);
    auto* field = p.widget<QLineEdit>("LibPreEF");
    auto* go = p.widget("PushButton1");
    connect(field, &QLineEdit::textEdited,
            [&events](const QString& text) { events << "typed " + text; });
    bool looped = false;
    p.backend.onYield = [&] {
      const int yields = p.backend.yields;
      if (yields == 40) {
        events << "queued";
        const QPointF at = QRectF(go->rect()).center(), global = go->mapToGlobal(at);
        for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
          QCoreApplication::postEvent(field, new QKeyEvent(type, Qt::Key_X, {}, "x"));
        }
        QCoreApplication::postEvent(go, new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                        Qt::LeftButton, Qt::LeftButton, {}));
        QCoreApplication::postEvent(go, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                        Qt::LeftButton, Qt::NoButton, {}));
        QTimer::singleShot(0, [&] {
          events << "event loop";
          looped = true;
        });
      }
      // Until the backend's yield has let the event loop run, each yield takes a little time, so
      // that happens during the run whatever the machine's speed.
      if (yields > 40 && !looped) QTest::qSleep(1);
    };
    QTest::mouseClick(go, Qt::LeftButton);
    QTRY_COMPARE(events,
                 (QStringList{"run", "queued", "event loop", "done", "typed x", "run", "done"}));
    QCOMPARE(p.widget<QLabel>("DeviceCntST")->text(), QString("961 Devices Generated"));
  }

  // Closing the main window while a run goes on ends the run with the window, at the end of the
  // device being built; the window is not freed under the run while the event loop goes on in
  // the yields after the close. The next main window is a fresh one.
  void closingTheWindowDuringARunEndsTheRun_data() {
    QTest::addColumn<int>("after");  // yields after the one that follows the first refresh
    QTest::newRow("at the end of a device") << 0;
    QTest::newRow("in the middle of a device") << 2;
  }
  void closingTheWindowDuringARunEndsTheRun() {
    QFETCH(int, after);
    QtProgram p;
    QStringList events;
    setUpLongRun(p, events);
    int refreshedAt = 0;
    p.backend.onYield = [&] {
      const int yield = p.backend.yields;
      if (refreshedAt == 0 && p.window->CurrentValueST().Text().starts_with("Last device")) {
        refreshedAt = yield;
      }
      if (refreshedAt == 0 || yield < refreshedAt + after) return;
      if (yield == refreshedAt + after) {
        events << "closed";
        p.view->close();
      } else {
        QTest::qSleep(11);  // the backend's yield runs the event loop again
      }
    };
    QTest::mouseClick(p.widget("PushButton1"), Qt::LeftButton);
    QCOMPARE(events, (QStringList{"run", "closed", "done"}));
    // Closed at the yield that ends a device, that device is the last.
    if (after == 0) QCOMPARE(p.backend.yields, refreshedAt);
    QCoreApplication::processEvents();
    QVERIFY(p.runtime.findWindow(typeid(form::Window1)) == nullptr);
    auto* next = p.backend.viewOf(form::Window1::Instance())->findChild<QPlainTextEdit*>("TestEF");
    QVERIFY(next->toPlainText().isEmpty());
  }

  // While a run goes on, the status text shows how far it has come, painted as soon as it is
  // set (a text the label holds at a yield has already been painted), and the output shows the
  // text so far a moment later: the section lines and the first devices of the final text. The
  // output then shows exactly the form's text, and a longer text that does not extend it
  // replaces it.
  void progressShowsWhileTheRunGoesOn() {
    QtProgram p;
    QStringList events;
    setUpLongRun(p, events);
    auto* status = p.widget<QLabel>("CurrentValueST");
    auto* output = p.widget<QPlainTextEdit>("TestEF");
    PaintedTexts painted;
    status->installEventFilter(&painted);
    const QString before = status->text();
    QStringList unpainted;
    QString outputSoFar;
    p.backend.onYield = [&] {
      if (status->text() != before &&
          painted.texts.value(painted.texts.size() - 1) != status->text()) {
        unpainted << status->text();
      }
      // Until the output shows something, each yield takes a little time, so that the moment
      // comes during the run whatever the machine's speed.
      if (outputSoFar.isEmpty()) outputSoFar = output->toPlainText();
      if (outputSoFar.isEmpty()) QTest::qSleep(1);
    };
    QTest::mouseClick(p.widget("PushButton1"), Qt::LeftButton);

    QVERIFY2(unpainted.isEmpty(), qPrintable(unpainted.join('\n')));
    QVERIFY(painted.texts.first().startsWith("Last device generated so far:"));
    QCOMPARE(painted.texts.last(), QString("Last device generated:100kΩ"));

    const QString finalText = output->toPlainText();
    QVERIFY(outputSoFar.count('\n') >= 9 + 3);
    QVERIFY(outputSoFar.endsWith('\n'));
    QVERIFY(outputSoFar.size() < finalText.size());
    QVERIFY(finalText.startsWith(outputSoFar));
    QCOMPARE(finalText.count('\n'), 9 + 961);
    QCOMPARE(finalText.toStdString(), p.window->TestEF().Text());
    QVERIFY(!output->document()->isUndoAvailable());  // the program's text, not the user's edit
    p.window->TestEF().setText("R1\n" + p.window->TestEF().Text());
    QCOMPARE(output->toPlainText(), "R1\n" + finalText);
  }
};

QTEST_MAIN(GoQtTest)
#include "go_qt_test.moc"
