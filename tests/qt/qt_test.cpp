// The program on the offscreen Qt platform as a person meets it. The main window: its size,
// menus, tab order, lists and resizing; the Edit menu and the clipboard on a focused field; the
// wheel; an error in a handler; File > Save and File > Open through their dialogs, also for a
// document whose name or folder is not UTF-8; an edit of the output; Return in a manufacturer
// box. Go: a family from a form filled in with the mouse and
// keyboard, read back from the widgets, and its Static Attributes window brought back from
// minimized with Ctrl+T; clicks and keys that arrive while a run goes on, which wait for its end;
// the main window closed in the middle of a run; and the progress shown while it runs.
//
// Each test starts the program as main starts it, in a fresh home folder, with its main window
// shown and active; the messages it gives are collected instead of waiting in modal boxes, and a
// message no test took fails the test. Helpers find the main window's widgets by control name and
// work them as a person does.

#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "app.h"
#include "form/staticattr.h"
#include "form/window1.h"
#include "framework/runtime.h"
#include "generate/attributetext.h"
#include "qt/qtbackend.h"
#include "qt/windowview.h"
#include "startup.h"
#include "tempfolder.h"

// The Qt backend with a test's code run at every yield of a long handler, before the backend's
// own yield.
class HookedQtBackend : public qtui::QtBackend {
 public:
  void yieldToEventLoop() override {
    ++yields;
    if (onYield) onYield();
    qtui::QtBackend::yieldToEventLoop();
  }

  std::function<void()> onYield;
  int yields = 0;
};

class QtProgram {
 public:
  QtProgram() {
    dialogs.clear();
    qputenv("HOME", home.path().toLocal8Bit());
    QDir(home.path()).mkdir("Documents");
    backend.messageBoxOverride = [this](const std::string& text) {
      messages << QString::fromStdString(text);
    };
    quillex::StartUp(runtime);
    window = &form::Window1::Instance();
    view = backend.viewOf(*window);
    if (view == nullptr) qFatal("the main window is not shown");
    view->activateWindow();
    if (!QTest::qWaitForWindowActive(view)) qFatal("the main window does not become active");
  }

  ~QtProgram() { QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n'))); }

  // The main window's widget of the control `name` ("Name(i)" for element i of an array), or
  // its menu item `name`.
  template <class W = QWidget>
  W* widget(const QString& name) const {
    auto* found = view->findChild<W*>(name);
    if (found == nullptr) qFatal("no widget %s", qPrintable(name));
    return found;
  }
  QAction* action(const QString& name) const { return widget<QAction>(name); }

  // Clicks into the field (a combo box's line), selects what it holds and types over it.
  void type(const QString& name, const QString& text) const {
    QWidget* field = widget(name);
    if (auto* combo = qobject_cast<QComboBox*>(field)) field = combo->lineEdit();
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
  }
  static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

  // Opens the pop-up with a click and moves to `row` with the arrow keys; Return takes it.
  void choose(const QString& name, int row) const {
    QAbstractItemView* list = widget<QComboBox>(name)->view();
    QTest::mouseClick(widget(name), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    for (int step = list->currentIndex().row(); step != row; step += step < row ? 1 : -1) {
      QTest::keyClick(list, step < row ? Qt::Key_Down : Qt::Key_Up);
    }
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!list->window()->isVisible());
  }

  // Answers the next `count` modal dialogs as a person would: a file dialog gets `fileName`
  // typed into its name field (none: it takes the name it suggests); a question (replace the file?)
  // is answered Yes. The answering timer goes once all are answered. `dialogs` collects each file
  // dialog's title, folder and suggested name.
  inline static QStringList dialogs;
  static QPointer<QTimer> answerDialogs(const QString& fileName, int count) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, fileName, count]() mutable {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      if (auto* files = qobject_cast<QFileDialog*>(modal)) {
        auto* name = files->findChild<QLineEdit*>("fileNameEdit");
        dialogs << files->windowTitle() + '\t' + files->directory().path() + '\t' + name->text();
        // The name typed over whatever the dialog suggests, and Return once the list of
        // completions is gone and this answer is over, so that a question it asks is answered.
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(name, fileName);
        if (QCompleter* completer = name->completer()) completer->popup()->hide();
        QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
      } else if (auto* question = qobject_cast<QMessageBox*>(modal)) {
        QAbstractButton* yes = question->button(QMessageBox::Yes);
        QTimer::singleShot(0, yes, [yes] { QTest::mouseClick(yes, Qt::LeftButton); });
      }
      if (--count == 0) timer->deleteLater();
    });
    timer->start(20);
    return timer;
  }

  // Windows the program closed last go once it has ended.
  struct Flush {
    ~Flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
  } flush;
  QTemporaryDir home;
  HookedQtBackend backend;
  fw::Runtime runtime{backend};
  form::Window1* window = nullptr;
  qtui::WindowView* view = nullptr;
  QStringList messages;
};

namespace {

// The texts a label shows each time it is painted, once installed as its event filter.
struct PaintedTexts : QObject {
  bool eventFilter(QObject* label, QEvent* event) override {
    if (event->type() == QEvent::Paint) texts << static_cast<QLabel*>(label)->text();
    return false;
  }
  QStringList texts;
};

// The lines of tests/data/`name` that are neither empty nor comments.
QStringList linesOf(const QString& name) {
  QFile file(QUILLEX_TEST_DATA "/" + name);
  if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(name));
  QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
  lines.removeIf([](const QString& line) { return line.isEmpty() || line.startsWith('#'); });
  return lines;
}

// A control as "text TAB enabled shown row 2": what a field, label or list shows, a check box's
// True or False, a button's caption; the chosen row only for a list; then "right" for a label or
// field aligned to the right, and "bold 18px" for a title with its font's size in pixels.
QString described(const QString& text, bool enabled, bool shown, int row, bool right, bool bold,
                  int pixels) {
  return text + (enabled ? "\tenabled" : "\tdisabled") + (shown ? " shown" : " hidden") +
         (row == -2 ? "" : QString(" row %1").arg(row)) + (right ? " right" : "") +
         (bold ? QString(" bold %1px").arg(pixels) : "");
}

QString shownBy(const QWidget* w) {
  auto* list = qobject_cast<const QComboBox*>(w);
  auto* box = qobject_cast<const QCheckBox*>(w);
  const QString text = list  ? list->currentText()
                       : box ? QString(box->isChecked() ? "True" : "False")
                             : w->property("text").toString() + w->property("plainText").toString();
  Qt::Alignment align = Qt::AlignLeft;
  if (auto* label = qobject_cast<const QLabel*>(w)) align = label->alignment();
  if (auto* field = qobject_cast<const QLineEdit*>(w)) align = field->alignment();
  const QFontInfo font(w->font());
  return described(text, w->isEnabled(), !w->isHidden(), list ? list->currentIndex() : -2,
                   (align & Qt::AlignHorizontal_Mask) == Qt::AlignRight, font.bold(),
                   font.pixelSize());
}

QString heldBy(const fw::Control& c) {
  std::string text = generate::fieldText(c);  // a field's or a combo box's text, True or False
  if (auto* label = dynamic_cast<const fw::StaticText*>(&c)) text = label->Text();
  if (auto* button = dynamic_cast<const fw::PushButton*>(&c)) text = button->Caption();
  if (auto* popup = dynamic_cast<const fw::PopupMenu*>(&c)) text = popup->Text();
  auto* list = dynamic_cast<const fw::ListControl*>(&c);
  const fw::ControlSpec& s = c.initial();
  const bool aligns =
      c.kind() == fw::ControlKind::StaticText || c.kind() == fw::ControlKind::EditField;
  const int pixels = s.TextSize > 0 ? s.TextSize : QFontInfo(QApplication::font()).pixelSize();
  return described(QString::fromStdString(text), c.Enabled(), c.Visible(),
                   list ? list->ListIndex() : -2, aligns && s.Alignment == fw::Align::Right, s.Bold,
                   pixels);
}

// Every control of the main window, then of the Static Attributes window, shows what the model
// holds, aligned and sized as it says, and the rows of `stage` in qt/shown.tsv, worked out from
// the form, are among them.
void expectWidgetsShowTheModel(const QtProgram& p, const QString& stage) {
  QStringList shown, held;
  for (const fw::Window* window :
       std::initializer_list<const fw::Window*>{p.window, &form::StaticAttr::Instance()}) {
    for (const auto& c : window->controls()) {
      const QString name = QString::fromStdString(c->Name()) +
                           (c->Index() == fw::kNoIndex ? "" : QString("(%1)").arg(c->Index()));
      const auto* widget = p.backend.viewOf(*window)->findChild<QWidget*>(name);
      shown << name + '\t' + (widget ? shownBy(widget) : "no widget");
      held << name + '\t' + heldBy(*c);
    }
  }
  QCOMPARE(shown, held);
  for (const QString& row : linesOf("qt/shown.tsv")) {
    if (row.startsWith(stage + '\t'))
      QVERIFY2(shown.contains(row.section('\t', 1)), qPrintable(row));
  }
}

// Resistors of the series of row `series` from `start` to `stop` ohms: Go is enabled.
void fillIn(const QtProgram& p, int series, const std::string& start, const std::string& stop) {
  form::Window1& w = *p.window;
  w.ValueSuffixPU().setListIndex(1);
  w.SeriesPU().setListIndex(series);
  w.StartEF().setText(start);
  w.StopEF().setText(stop);
  w.RefDesPreCB().setText("R");
  w.CheckForGo();
}

// E192 over five decades of ohms: 961 devices, a run long enough to watch; Go wrapped so that
// `events` records where each run begins and ends.
void setUpLongRun(const QtProgram& p, QStringList& events) {
  fillIn(p, 5, "1", "100000");
  auto& commands = quillex::App::Instance().Commands;
  commands.go = [&events, go = commands.go](form::Window1& window) {
    events << "run";
    go(window);
    events << "done";
  };
}

}  // namespace

class QtTest : public QObject {
  Q_OBJECT

 private slots:
  // The window titled Untitled, the form's size below the menu bar, the menus with their mnemonics
  // and shortcuts. Tab visits the enabled fields in creation order and comes round to the first
  // (labels take no focus; Start, Stop, the index fields, the totals and Go start disabled). A
  // title is bold. A list is built once opened: that of a value format shows its whole sample
  // codes, that of a manufacturer its names. Only the output follows the size. Every list of both
  // windows offers its rows.
  void theMainWindowAsBuilt() {
    QtProgram p;
    QCOMPARE(p.view->windowTitle(), QString("Untitled"));
    QCOMPARE(p.view->centralWidget()->size(), QSize(1009, 709));
    QStringList menus;
    for (QAction* menu : p.view->menuBar()->actions()) {
      for (QAction* item : QList<QAction*>{menu} + menu->menu()->actions()) {
        const QString name = item == menu ? menu->menu()->objectName() : item->objectName();
        menus << name + '\t' + item->text() + '\t' + item->shortcut().toString();
      }
    }
    QCOMPARE(menus, linesOf("qt/menus.tsv"));
    QVERIFY(p.widget("StaticText31")->font().bold() && !p.widget("StartEF")->font().bold());
    QVERIFY(p.view->findChildren<QAbstractItemView*>().isEmpty());

    QStringList order;
    for (const auto& c : p.window->controls()) {
      if (c->kind() == fw::ControlKind::StaticText || !c->Enabled()) continue;
      const QString index = c->Index() == fw::kNoIndex ? "" : QString("(%1)").arg(c->Index());
      order << QString::fromStdString(c->Name()) + index;
    }
    order << order.first();
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

    for (const QString name : {"ValFmtPU(1)", "ManufCB(0)"}) {
      auto* box = p.widget<QComboBox>(name);
      box->showPopup();
      QVERIFY(QTest::qWaitForWindowExposed(box->view()->window()));
      QVERIFY(box->view()->width() >= box->view()->sizeHintForColumn(0));
      box->hidePopup();
    }

    const QRect output = p.widget("TestEF")->geometry(), go = p.widget("PushButton1")->geometry();
    p.view->resize(p.view->width() + 200, p.view->height() + 100);
    QCOMPARE(p.widget("TestEF")->geometry(), output.adjusted(0, 0, 200, 100));
    QCOMPARE(p.widget("PushButton1")->geometry(), go);

    auto* attributes = p.backend.viewOf(form::StaticAttr::Instance());
    for (auto* list : p.view->findChildren<QComboBox*>() + attributes->findChildren<QComboBox*>()) {
      QStringList rows = {list->objectName().section('(', 0, 0)};
      for (int row = 0; row < list->count(); ++row) rows << list->itemText(row);
      QVERIFY2(linesOf("qt/lists.tsv").contains(rows.join('\t')), qPrintable(rows.join('\t')));
    }
  }

  // An error in a handler is shown, and the program goes on: what the Edit menu then cuts,
  // pastes and undoes in the focused field reaches the form. A TAB or line end (CR LF as one)
  // pasted into a one-line field becomes a blank, in the field and the form; a field takes a paste
  // of any length. The wheel moves the row of the pop-up or combo box the user works in, and leaves
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

    QApplication::clipboard()->setText("a\tb\r\nc");
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

  // A document named on the command line whose name or folder is not UTF-8 is saved over when
  // the user takes the file Save suggests, and no other file is written: none in the folder the
  // dialog lists, nor the file named as Qt shows the path.
  void aDocumentNotNamedInUtf8IsSavedOver_data() {
    QTest::addColumn<std::string>("path");  // within a folder of the test's own
    QTest::newRow("its name") << std::string("r\xE9sistors.txt");
    QTest::newRow("its folder") << std::string("d\xE9/form.txt");
  }
  void aDocumentNotNamedInUtf8IsSavedOver() {
    QFETCH(std::string, path);
    QtProgram p;
    // Qt cannot name the document to remove it, so it lives in a folder of the test's own.
    const testing_support::TempFolder folder;
    const std::filesystem::path document = folder.path / path;
    const std::filesystem::path shownAs =
        folder.path / QFile::encodeName(QFile::decodeName(path.c_str())).toStdString();
    std::filesystem::create_directories(document.parent_path());
    std::filesystem::create_directories(shownAs.parent_path());
    testing_support::spill(document, "*_Param_A\t1\t1\t10\t20\tLP\tLS\n\n");
    testing_support::spill(shownAs, "kept");
    p.runtime.openDocument(fw::FolderItem(document));
    p.window->RefDesPreCB().setText("R");
    p.window->LibPreEF().setText("µ-");
    p.window->StopEF().setText("11");
    QTest::mouseClick(p.widget("PushButton1"), Qt::LeftButton);
    QtProgram::answerDialogs({}, 1);
    p.action("FileSave")->trigger();
    QVERIFY(testing_support::slurp(document).starts_with("*_Param_A\t1\t1\t10\t11\t\xB5-\t"));
    QCOMPARE(testing_support::slurp(shownAs), "kept");
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path)) {
      files += entry.is_regular_file();
    }
    QCOMPARE(files, 2);
    QVERIFY(!std::filesystem::exists(document.filename()) &&
            !std::filesystem::exists(shownAs.filename()));
  }

  // An edit of the output keeps every other character of it as it was, a no-break space too.
  void anEditedOutputKeepsItsOtherCharacters() {
    QtProgram p;
    fillIn(p, 0, "10", "100");
    p.window->ValSufEF().setText("\u00A01%");
    QTest::mouseClick(p.widget("PushButton1"), Qt::LeftButton);
    const std::string generated = p.window->TestEF().Text();
    QVERIFY(generated.find("\u00A01%") <
            generated.find("\nR1\t"));  // a section line's and a device's
    auto* output = p.widget<QPlainTextEdit>("TestEF");
    p.view->activateWindow();  // from the Static Attributes window, which Go opened
    QVERIFY(QTest::qWaitForWindowActive(p.view));
    output->setFocus();
    QTest::keyClick(output, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(output, Qt::Key_Backspace);
    QCOMPARE(p.window->TestEF().Text(), generated.substr(0, generated.size() - 1));
  }

  // Return in a manufacturer box commits what was typed before it presses Go, so Go runs only
  // with a manufacturer: one cleared disables Go and nothing runs; one typed in enables Go and
  // Return runs it.
  void returnInAManufacturerBoxCommitsItBeforeGo() {
    QtProgram p;
    fillIn(p, 0, "10", "100");
    QVERIFY(p.widget("PushButton1")->isEnabled());
    p.type("ManufCB(0)", "");
    QtProgram::press(Qt::Key_Delete);
    QtProgram::press(Qt::Key_Return);
    QVERIFY(!p.widget("PushButton1")->isEnabled());
    QCOMPARE(p.window->TestEF().Text(), std::string());
    QCOMPARE(p.window->OutputLineArray[p.window->sourceCells(0).manufacturer], std::string());
    QTest::keyClicks(QApplication::focusWidget(), "Yageo");
    QtProgram::press(Qt::Key_Return);
    QVERIFY(p.widget("PushButton1")->isEnabled());
    QVERIFY(p.window->TestEF().Text().find("\tYageo\t") != std::string::npos);
  }

  // File > Open starts in the documents folder; a form opened there shows in every widget of
  // both windows as the model holds it, and as worked out by hand. Return in the output is a new
  // line, not Go; Save then suggests the opened file, asks before it replaces it and writes the
  // output. The test series preset shows, and empties the output: Save suggests the empty-file
  // warning, and writes an empty file.
  void anOpenedFormShowsInEveryWidgetAndIsSavedOver() {
    QtProgram p;
    p.window->ValFmtPU(1).setListIndex(13);  // the file's format 4 disables the index fields
    const QString documents = p.home.filePath("Documents"), opened = "every-field-changed.txt";
    QFile::copy(QUILLEX_TEST_DATA "/qt/" + opened, documents + '/' + opened);
    QtProgram::answerDialogs(opened, 1);
    p.action("FileOpen")->trigger();
    expectWidgetsShowTheModel(p, "opened");
    p.view->activateWindow();  // from the Static Attributes window, which the form opened
    QVERIFY(QTest::qWaitForWindowActive(p.view));
    p.type("TestEF", "R1");
    QtProgram::press(Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), "R2");
    QtProgram::answerDialogs({}, 3);  // the name suggested, Yes to replace it; again later
    p.action("FileSave")->trigger();
    QCOMPARE(testing_support::slurp((documents + '/' + opened).toStdString()), "R1\nR2");
    p.choose("SeriesPU", 7);
    expectWidgetsShowTheModel(p, "test series");
    p.action("FileSave")->trigger();
    const QFileInfo empty(documents + "/ ** WARNING **    Empty File");
    QVERIFY(empty.exists() && empty.size() == 0);
    const QString save = "File of Attribute values for Torvane script Quillex\t" + documents + '\t';
    QCOMPARE(QtProgram::dialogs,
             (QStringList{"Select a text file\t" + documents + '\t', save + opened,
                          save + " ** WARNING **    Empty File"}));
  }

  // E12 from 10 to 100 ohm with the initial sources: 13 devices, the last 100. Then a
  // manufacturer typed in keeps the output until it is committed; one chosen from the list
  // empties it at once.
  void aFormFilledInByHandGivesItsFamily() {
    QtProgram p;
    p.choose("ValueSuffixPU", 1);  // "Ω, kΩ, MΩ..."
    p.choose("SeriesPU", 1);       // "E12"
    p.type("StartEF", "10");
    p.type("StopEF", "100");
    p.type("RefDesPreCB", "R");
    QVERIFY(!p.widget("PushButton1")->isEnabled());
    QtProgram::press(Qt::Key_Tab);     // leaving the box commits the entry
    QtProgram::press(Qt::Key_Return);  // Go is the default button

    auto* output = p.widget<QPlainTextEdit>("TestEF");
    QCOMPARE(output->toPlainText().count('\n'), 9 + 13);
    auto* count = p.widget<QLabel>("DeviceCntST");
    auto* last = p.widget<QLabel>("CurrentValueST");
    QCOMPARE(last->text(), QString("Last device generated:100Ω"));
    // Both status texts fit their labels whole.
    QVERIFY(count->isVisible() && count->sizeHint().width() <= count->width());
    QVERIFY(last->isVisible() && last->sizeHint().width() <= last->width());

    // Go opened the Static Attributes window in front. Minimized, it comes back with Ctrl+T as it
    // was left, in front; then the user goes back to the main window.
    auto* attributes = p.backend.viewOf(form::StaticAttr::Instance());
    auto* package = attributes->findChild<QLineEdit*>("PackageEF");
    QTest::keyClicks(package, "0805");
    attributes->showMinimized();
    p.view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(p.view));
    QTest::keyClick(p.view, Qt::Key_T, Qt::ControlModifier);
    QVERIFY(!attributes->isMinimized() && attributes->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(attributes));
    QCOMPARE(package->text(), QString("0805"));
    p.view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(p.view));
    p.type("ManufCB(1)", "Yageo");  // not in the list, so only leaving the box commits it
    QVERIFY(!output->toPlainText().isEmpty());
    QtProgram::press(Qt::Key_Tab);
    QVERIFY(output->toPlainText().isEmpty());
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

QTEST_MAIN(QtTest)
#include "qt_test.moc"
