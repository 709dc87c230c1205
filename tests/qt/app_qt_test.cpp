// The program on the offscreen Qt platform, used as a person uses it: the main window with its
// menu bar, quitting; the form with its pop-ups, typing and tabbing, the Go button and the
// output following it; the Edit menu on a field; an error in a handler shown without ending the
// program; and the Static Attributes window reached through the Windows menu.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>
#include <memory>

#include "app.h"
#include "form/staticattr.h"
#include "qtprogram.h"

class AppQtTest : public QObject {
  Q_OBJECT

 private:
  template <class W = QWidget>
  W* widget(const QString& name) const {
    return program_->widget<W>(name);
  }
  static void typeInto(QWidget* field, const QString& text) { QtProgram::typeInto(field, text); }

  // The visible top-level windows titled `title`.
  static QList<QWidget*> windowsTitled(const QString& title) {
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->isVisible() && widget->windowTitle() == title) found << widget;
    }
    return found;
  }

  std::unique_ptr<QtProgram> program_;
  form::Window1* window_ = nullptr;
  qtui::WindowView* view_ = nullptr;

 private slots:
  void init() {
    program_ = std::make_unique<QtProgram>();
    window_ = program_->window;
    view_ = program_->view;
  }

  void cleanup() {
    QVERIFY2(program_->messages.isEmpty(), qPrintable(program_->messages.join('\n')));
    view_ = nullptr;
    window_ = nullptr;
    program_.reset();
  }

  void startsWithTheMainWindowAndItsMenusAndQuits() {
    QCOMPARE(windowsTitled("Untitled"), QList<QWidget*>{view_});
    QCOMPARE(view_->centralWidget()->size(), QSize(1009, 709));
    QStringList titles;
    for (QAction* menu : view_->menuBar()->actions()) titles << menu->text();
    QCOMPARE(titles, (QStringList{"&File", "&Edit", "Windows"}));
    QCOMPARE(view_->findChild<QAction*>("FileOpen")->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE(view_->findChild<QAction*>("WindowsStaticAttributes")->shortcut(),
             QKeySequence("Ctrl+T"));
    // File > Quit ends the event loop.
    QTimer::singleShot(0, view_->findChild<QAction*>("FileQuit"), &QAction::trigger);
    program_->runtime().run();
  }

  void choosingUnitAndTypingFollowGoAndOutput() {
    auto* unit = widget<QComboBox>("ValueSuffixPU");
    unit->setFocus();
    QTest::keyClick(unit, Qt::Key_Down);  // the first unit, ohms
    QCOMPARE(window_->ValueSuffixPU().ListIndex(), 1);
    QVERIFY(widget("UnitsStartST")->isVisible());
    QCOMPARE(widget<QLabel>("UnitsStopST")->text(), QString("Ω"));
    QVERIFY(widget("StartEF")->isEnabled());
    QVERIFY(!widget("PushButton1")->isEnabled());  // no reference-designator prefix yet

    typeInto(widget<QComboBox>("RefDesPreCB"), "R");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // leaving commits the entry
    QVERIFY(widget("PushButton1")->isEnabled());

    auto* output = widget<QPlainTextEdit>("TestEF");
    typeInto(output, "R1 result");
    QCOMPARE(window_->TestEF().Text(), std::string("R1 result"));
    // Typing a manufacturer keeps the output; committing it empties the output.
    typeInto(widget("ManufCB(1)"), "Vishay");
    QCOMPARE(output->toPlainText(), QString("R1 result"));
    QCOMPARE(window_->OutputLineArray[20], std::string("Vishay"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(output->toPlainText(), QString());

    // Picking the third source's next manufacturer from the list.
    typeInto(output, "R1 result");
    auto* third = widget<QComboBox>("ManufCB(2)");
    third->setFocus();
    QTest::keyClick(third, Qt::Key_Down);
    QCOMPARE(third->currentText(), QString("Panasonic"));
    QCOMPARE(window_->OutputLineArray[30], std::string("Panasonic"));
    QCOMPARE(output->toPlainText(), QString());
  }

  // Tab visits the enabled fields in creation order and comes round to the first again; labels
  // take no focus, and Start, Stop, the index fields, the totals and Go start disabled.
  void tabMovesThroughFieldsInCreationOrder() {
    QStringList expected;
    for (const auto& c : window_->controls()) {
      if (c->kind() == fw::ControlKind::StaticText || !c->Enabled()) continue;
      const QString index = c->Index() == fw::kNoIndex ? "" : QString("(%1)").arg(c->Index());
      expected << QString::fromStdString(c->Name()) + index;
    }
    expected << expected.first();
    QCOMPARE(expected.size(), 39);
    widget("PrefixEF(0)")->setFocus();
    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (int step = 1; step < expected.size(); ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* focus = QApplication::focusWidget();
      // An editable combo box's line edit holds the focus for its box.
      if (qobject_cast<QComboBox*>(focus->parentWidget())) focus = focus->parentWidget();
      visited << focus->objectName();
    }
    QCOMPARE(visited, expected);
  }

  // The open list shows every sample code of a row, though the closed box has room for a few.
  void valueFormatListShowsWholeRows() {
    auto* format = widget<QComboBox>("ValFmtPU(1)");
    format->showPopup();
    QWidget* popup = format->view()->window();
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    QVERIFY(popup->grab().save(QString(QUILLEX_BUILD_DIR) + "/window1_value_formats.png"));
    QVERIFY(format->view()->width() >= format->view()->sizeHintForColumn(0));
    format->hidePopup();
  }

  void onlyTheOutputFollowsTheWindowSize() {
    const QRect outputBefore = widget("TestEF")->geometry();
    const QRect goBefore = widget("PushButton1")->geometry();
    view_->resize(view_->width() + 200, view_->height() + 100);
    QCOMPARE(widget("TestEF")->geometry(), outputBefore.adjusted(0, 0, 200, 100));
    QCOMPARE(widget("PushButton1")->geometry(), goBefore);
  }

  void editMenuEditsTheFocusedField() {
    auto* field = widget<QLineEdit>("LibPreEF");
    field->setFocus();
    QTest::keyClicks(field, "4k7");
    QCOMPARE(window_->OutputLineArray[0], std::string("4k7"));
    view_->findChild<QAction*>("EditSelectAll")->trigger();
    view_->findChild<QAction*>("EditCut")->trigger();
    QCOMPARE(window_->LibPreEF().Text(), std::string());
    view_->findChild<QAction*>("EditPaste")->trigger();
    QCOMPARE(window_->LibPreEF().Text(), std::string("4k7"));
    view_->findChild<QAction*>("EditUndo")->trigger();
    QCOMPARE(window_->OutputLineArray[0], std::string());
  }

  // A field takes a text of any length, pasted or set by the program.
  void editFieldsHoldLongTexts() {
    QApplication::clipboard()->setText(QString(40000, QChar('x')));
    widget("SpiceParamEF")->setFocus();
    view_->findChild<QAction*>("EditPaste")->trigger();
    QCOMPARE(window_->SpiceParamEF().Text().size(), size_t{40000});
    window_->LibSufEF().setText(std::string(50000, 'y'));
    QCOMPARE(widget<QLineEdit>("LibSufEF")->text().size(), 50000);
  }

  // The wheel moves the row of the pop-up or combo box the user works in, and leaves alone one
  // that the pointer merely passes.
  void wheelTurnsOnlyTheFocusedList() {
    for (const QString name : {"ValueSuffixPU", "ManufCB(1)"}) {
      auto* box = widget<QComboBox>(name);
      const int row = box->currentIndex();
      const auto turn = [box] {
        const QPointF at = box->rect().center();
        QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &wheel);
      };
      widget("LibPreEF")->setFocus();
      turn();
      QCOMPARE(box->currentIndex(), row);
      box->setFocus();
      turn();
      QCOMPARE(box->currentIndex(), row + 1);
    }
    QCOMPARE(window_->ValueSuffixPU().ListIndex(), 1);
    QCOMPARE(window_->ManufCB(1).Text(), std::string("Vishay"));
  }

  // Output that grows line by line goes in piece by piece; any other text replaces it.
  void aGrowingOutputShowsExactlyTheModelsText() {
    auto* output = widget<QPlainTextEdit>("TestEF");
    std::string text;
    for (int line = 0; line < 50; ++line) {
      text += "R" + std::to_string(line) + "\t4.7kΩ\n";
      window_->TestEF().setText(text);
    }
    QCOMPARE(output->toPlainText().toStdString(), text);
    window_->TestEF().setText("other");
    QCOMPARE(output->toPlainText(), QString("other"));
    window_->TestEF().setText("");
    QCOMPARE(output->toPlainText(), QString());
  }

  void anErrorInGoIsShownAndTheProgramGoesOn() {
    auto& commands = quillex::App::Instance().Commands;
    const form::FormCommands kept = commands;
    commands.go = [](form::Window1&) {
      fw::Array<int> cells(50);
      cells[51] = 1;
    };
    window_->ValueSuffixPU().setListIndex(1);
    window_->RefDesPreCB().setListIndex(1);
    QTest::mouseClick(widget("PushButton1"), Qt::LeftButton);
    commands = kept;
    QCOMPARE(program_->messages.size(), 1);
    QVERIFY(program_->messages[0].contains("outside"));
    QVERIFY(window_->isOpen());
    program_->messages.clear();
  }

  // Closed and chosen again: a fresh window.
  void aClosedStaticAttributesWindowComesBackFresh() {
    auto* action = view_->menuBar()->findChild<QAction*>("WindowsStaticAttributes");
    QVERIFY(action != nullptr);
    action->trigger();
    QCOMPARE(windowsTitled("Static Attributes").size(), 1);
    QWidget* window = windowsTitled("Static Attributes").first();
    auto* package = window->findChild<QLineEdit*>("PackageEF");
    QVERIFY(package != nullptr);
    QTest::keyClicks(package, "0805");
    QCOMPARE(form::StaticAttr::Instance().get<fw::EditField>("PackageEF").Text(), "0805");

    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(windowsTitled("Static Attributes").size(), 0);
    action->trigger();
    QCOMPARE(windowsTitled("Static Attributes").size(), 1);
    QCOMPARE(windowsTitled("Static Attributes").first()->findChild<QLineEdit*>("PackageEF")->text(),
             QString());
  }
};

QTEST_MAIN(AppQtTest)
#include "app_qt_test.moc"
