// The main window on the offscreen Qt platform as a person meets it: its size, menus, tab order,
// lists and resizing; the Edit menu and the clipboard on a focused field; the wheel; an error in
// a handler; File > Save and File > Open through their dialogs; a document on the command line.

#include "qtprogram.h"

class AppQtTest : public QObject {
  Q_OBJECT

 private slots:
  // The window titled Untitled, the form's size below the menu bar, the menus with their mnemonics
  // and shortcuts. Tab visits the enabled fields in creation order and comes round to the first
  // (labels take no focus; Start, Stop, the index fields, the totals and Go start disabled). The
  // open list of a value format shows its whole sample codes. Only the output follows the size.
  void theMainWindowAsBuilt() {
    QtProgram p;
    QCOMPARE(p.view->windowTitle(), QString("Untitled"));
    QCOMPARE(p.view->centralWidget()->size(), QSize(1009, 709));
    QStringList menus;
    for (QAction* menu : p.view->menuBar()->actions()) menus << menu->text();
    QCOMPARE(menus, (QStringList{"&File", "&Edit", "Windows"}));
    QCOMPARE(p.action("FileOpen")->shortcut(), QKeySequence("Ctrl+O"));

    QStringList order;
    for (const auto& c : p.window->controls()) {
      if (c->kind() == fw::ControlKind::StaticText || !c->Enabled()) continue;
      const QString index = c->Index() == fw::kNoIndex ? "" : QString("(%1)").arg(c->Index());
      order << QString::fromStdString(c->Name()) + index;
    }
    order << order.first();
    QCOMPARE(order.size(), 39);
    p.widget(order.first())->setFocus();
    QStringList visited = {QApplication::focusWidget()->objectName()};
    while (visited.size() < order.size()) {
      QtProgram::press(Qt::Key_Tab);
      QWidget* focus = QApplication::focusWidget();
      // An editable combo box's line edit holds the focus for its box.
      if (qobject_cast<QComboBox*>(focus->parentWidget())) focus = focus->parentWidget();
      visited << focus->objectName();
    }
    QCOMPARE(visited, order);

    auto* format = p.widget<QComboBox>("ValFmtPU(1)");
    format->showPopup();
    QVERIFY(QTest::qWaitForWindowExposed(format->view()->window()));
    QVERIFY(format->view()->width() >= format->view()->sizeHintForColumn(0));
    format->hidePopup();

    const QRect output = p.widget("TestEF")->geometry(), go = p.widget("PushButton1")->geometry();
    p.view->resize(p.view->width() + 200, p.view->height() + 100);
    QCOMPARE(p.widget("TestEF")->geometry(), output.adjusted(0, 0, 200, 100));
    QCOMPARE(p.widget("PushButton1")->geometry(), go);
  }

  // An error in a handler is shown, and the program goes on: what the Edit menu then cuts,
  // pastes and undoes in the focused field reaches the form. A TAB or line end pasted into a
  // one-line field becomes a blank, in the field and the form; a field takes a paste of any
  // length. The wheel moves the row of the pop-up or combo box the user works in, and leaves
  // alone one that the pointer merely passes.
  void afterAnErrorTheFocusedFieldTakesEditsAndTheWheel() {
    QtProgram p;
    quillex::App::Instance().Commands.go = [](form::Window1&) {
      fw::Array<int> cells(50);
      cells[51] = 1;
    };
    p.window->ValueSuffixPU().setListIndex(1);
    p.window->RefDesPreCB().setListIndex(1);
    QTest::mouseClick(p.widget("PushButton1"), Qt::LeftButton);
    QCOMPARE(p.messages.size(), 1);
    QVERIFY(p.messages.takeFirst().contains("outside"));
    QVERIFY(p.window->isOpen());

    p.type("LibPreEF", "4k7");
    QCOMPARE(p.window->OutputLineArray[0], std::string("4k7"));
    p.action("EditSelectAll")->trigger();
    p.action("EditCut")->trigger();
    QCOMPARE(p.window->LibPreEF().Text(), std::string());
    p.action("EditPaste")->trigger();
    QCOMPARE(p.window->LibPreEF().Text(), std::string("4k7"));
    p.action("EditUndo")->trigger();
    QCOMPARE(p.window->OutputLineArray[0], std::string());

    QApplication::clipboard()->setText("a\tb\nc");
    QTest::keyClick(p.widget("LibPreEF"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(p.window->LibPreEF().Text(), std::string("a b c"));
    QCOMPARE(p.widget<QLineEdit>("LibPreEF")->text(), QString("a b c"));

    QApplication::clipboard()->setText(QString(40000, QChar('x')));
    p.widget("SpiceParamEF")->setFocus();
    p.action("EditPaste")->trigger();
    QCOMPARE(p.window->SpiceParamEF().Text().size(), size_t{40000});

    for (const QString name : {"ValueSuffixPU", "ManufCB(1)"}) {
      auto* box = p.widget<QComboBox>(name);
      const int row = box->currentIndex();
      const QPointF at = box->rect().center();
      QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
      p.widget("LibPreEF")->setFocus();
      QApplication::sendEvent(box, &wheel);
      QCOMPARE(box->currentIndex(), row);
      box->setFocus();
      QApplication::sendEvent(box, &wheel);
      QCOMPARE(box->currentIndex(), row + 1);
    }
    QCOMPARE(p.window->ValueSuffixPU().ListIndex(), 2);
    QCOMPARE(p.window->ManufCB(1).Text(), std::string("Vishay"));
  }

  // Saved over a file that is there (the dialog asks first), then opened after the form changed:
  // the form comes back and the title names the file.
  void savedAndOpenedThroughTheDialogs() {
    QtProgram p;
    p.window->ValueSuffixPU().setListIndex(1);
    p.window->RefDesPreCB().setText("R");
    p.window->LibPreEF().setText("µ-");
    p.window->StopEF().setText("11");
    QTest::mouseClick(p.widget("PushButton1"), Qt::LeftButton);
    // Saved where a file was opened before; the open dialog starts in the documents folder.
    const QString file = p.home.filePath("Documents/family.txt");
    quillex::App::Instance().fpath = fw::FolderItem(p.home.filePath("Documents").toStdString());
    QVERIFY(QFile(file).open(QIODevice::WriteOnly));
    const QPointer<QTimer> answering = QtProgram::answerDialogs("family.txt", 2);
    p.action("FileSave")->trigger();
    QVERIFY(QFileInfo(file).size() > 0);
    QTRY_VERIFY(answering.isNull());

    p.window->LibPreEF().setText("changed");
    QtProgram::answerDialogs("family.txt", 1);
    p.action("FileOpen")->trigger();
    QCOMPARE(p.widget<QLineEdit>("LibPreEF")->text(), QString("µ-"));
    QCOMPARE(p.view->windowTitle(), QString("family.txt"));
  }

  // A document named on the command line is in the main window before the user works; File >
  // Quit ends the program.
  void startedWithADocumentAndQuit() {
    QTemporaryDir folder;
    QFile file(folder.filePath("R1.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("*_Param_A\t1\t1\t10\t220\tLP-\t\n\n\n"));
    file.close();
    HookedQtBackend backend;
    fw::Runtime runtime(backend);
    QString title, stop;
    QTimer::singleShot(0, [&] {
      QWidget* view = backend.viewOf(form::Window1::Instance());
      title = view->windowTitle();
      stop = view->findChild<QLineEdit*>("StopEF")->text();
      view->findChild<QAction*>("FileQuit")->trigger();
    });
    QCOMPARE(quillex::Main(runtime, {fw::FolderItem(file.fileName().toStdString())}), 0);
    QCOMPARE(title, QString("R1.txt"));
    QCOMPARE(stop, QString("220"));
  }
};

QTEST_MAIN(AppQtTest)
#include "app_qt_test.moc"
