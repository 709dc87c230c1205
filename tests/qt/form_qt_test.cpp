// The main window used as a person uses it: on the offscreen platform, choosing from pop-ups,
// typing and tabbing, with the Go button and the output field following the form.

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "form/window1.h"
#include "framework/runtime.h"
#include "qt/qtbackend.h"
#include "qt/windowview.h"
#include "startup.h"

class FormQtTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void choosingUnitAndTypingFollowGoAndOutput();
  void tabMovesThroughFieldsInCreationOrder();
  void valueFormatEnablesIndexFieldsAndCalculatorAdds();
  void onlyTheOutputFollowsTheWindowSize();

 private:
  template <class W = QWidget>
  W* widget(const QString& name) const {
    auto* found = view_->findChild<W*>(name);
    if (found == nullptr) qFatal("no widget %s", qPrintable(name));
    return found;
  }
  void typeInto(QWidget* field, const QString& text);
  void saveScreenshot(const char* name) const;

  std::unique_ptr<qtui::QtBackend> backend_;
  std::unique_ptr<fw::Runtime> runtime_;
  form::Window1* window_ = nullptr;
  qtui::WindowView* view_ = nullptr;
};

void FormQtTest::init() {
  backend_ = std::make_unique<qtui::QtBackend>();
  runtime_ = std::make_unique<fw::Runtime>(*backend_);
  quillex::StartUp(*runtime_);
  window_ = &form::Window1::Instance();
  view_ = backend_->viewOf(*window_);
  QVERIFY(view_ != nullptr);
  view_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(view_));
}

void FormQtTest::cleanup() {
  view_ = nullptr;
  window_ = nullptr;
  runtime_.reset();
  backend_.reset();
}

// Selects what the field holds and types over it, as a person replacing a value does.
void FormQtTest::typeInto(QWidget* field, const QString& text) {
  field->setFocus();
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty()) {
    QTest::keyClick(field, Qt::Key_Delete);
  } else {
    QTest::keyClicks(field, text);
  }
}

void FormQtTest::saveScreenshot(const char* name) const {
  const QString path = QString(QUILLEX_BUILD_DIR) + "/" + name;
  QVERIFY(view_->grab().save(path));
}

void FormQtTest::choosingUnitAndTypingFollowGoAndOutput() {
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

  typeInto(widget("StartEF"), "0.0001");
  QVERIFY(!widget("PushButton1")->isEnabled());
  QTest::keyClick(widget("StartEF"), Qt::Key_1);  // 0.00011
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

  // Without a first manufacturer Go goes off once the entry is committed.
  typeInto(widget("ManufCB(0)"), "");
  QVERIFY(widget("PushButton1")->isEnabled());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QVERIFY(!widget("PushButton1")->isEnabled());
  typeInto(widget("ManufCB(0)"), "Bourns");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QVERIFY(widget("PushButton1")->isEnabled());

  // Picking the third source's next manufacturer from the list.
  typeInto(output, "R1 result");
  auto* third = widget<QComboBox>("ManufCB(2)");
  third->setFocus();
  QTest::keyClick(third, Qt::Key_Down);
  QCOMPARE(third->currentText(), QString("Panasonic"));
  QCOMPARE(window_->OutputLineArray[30], std::string("Panasonic"));
  QCOMPARE(output->toPlainText(), QString());
  saveScreenshot("window1_filled.png");
}

void FormQtTest::tabMovesThroughFieldsInCreationOrder() {
  saveScreenshot("window1_initial.png");
  // The enabled fields in creation order; labels take no focus, and Start, Stop, the index
  // fields, the totals and Go start disabled.
  const QStringList expected = {
      "PrefixEF(0)",      "ValFmtPU(0)",   "SuffixEF(0)", "LibPreEF",    "ManufCB(0)",
      "SeriesPU",         "ValueSuffixPU", "TestEF",      "LibSufEF",    "ValPreEF",
      "ValSufEF",         "ManufCB(1)",    "PrefixEF(1)", "ValFmtPU(1)", "SuffixEF(1)",
      "ManufCB(2)",       "PrefixEF(2)",   "ValFmtPU(2)", "SuffixEF(2)", "VendorEF(0)",
      "VendorEF(1)",      "VendorEF(2)",   "MrkPU(0)",    "MrkPU(1)",    "MrkPU(2)",
      "LengthEF(0)",      "LengthEF(1)",   "LengthEF(2)", "WidthEF(0)",  "WidthEF(1)",
      "WidthEF(2)",       "AreaEF",        "RefDesPreCB", "PreLOCB",     "RefDesStartEF",
      "SpiceRefDesPreCB", "SpiceParamEF",  "PrefixPNCB",  "PrefixEF(0)"};
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

void FormQtTest::valueFormatEnablesIndexFieldsAndCalculatorAdds() {
  auto* format = widget<QComboBox>("ValFmtPU(1)");
  format->setFocus();
  QTest::keyClick(format, Qt::Key_End);  // row 16, "0001 0002 ..."
  QCOMPARE(window_->ValFmtPU(1).ListIndex(), 16);
  QVERIFY(widget("SigDigEF(1)")->isEnabled());
  QVERIFY(widget("IndexStartEF(1)")->isEnabled());
  QVERIFY(!widget("SigDigEF(0)")->isEnabled());

  typeInto(widget("LengthEF(0)"), "1.5");
  typeInto(widget("LengthEF(1)"), "2");
  typeInto(widget("WidthEF(0)"), "3");
  QCOMPARE(widget<QLineEdit>("LengthTotEF")->text(), QString("3.5"));
  QCOMPARE(widget<QLineEdit>("WidthTotEF")->text(), QString("3"));
  QCOMPARE(widget<QLineEdit>("AreaEF")->text(), QString("11"));
  saveScreenshot("window1_index_and_area.png");

  // The open list shows every sample code of a row, though the closed box has room for a few.
  format->showPopup();
  QWidget* popup = format->view()->window();
  QVERIFY(QTest::qWaitForWindowExposed(popup));
  QVERIFY(popup->grab().save(QString(QUILLEX_BUILD_DIR) + "/window1_value_formats.png"));
  QVERIFY(format->view()->width() >= format->view()->sizeHintForColumn(0));
  format->hidePopup();
}

void FormQtTest::onlyTheOutputFollowsTheWindowSize() {
  window_->TestEF().setText("R1\tRES\t4.7k\tBourns\tCR0805-FX-4K70ELF\nR2\tRES\t5.1k\n");
  QWidget* output = widget("TestEF");
  const QRect outputBefore = output->geometry();
  const QRect goBefore = widget("PushButton1")->geometry();
  view_->resize(view_->width() + 200, view_->height() + 100);
  QCOMPARE(output->geometry(), outputBefore.adjusted(0, 0, 200, 100));
  QCOMPARE(widget("PushButton1")->geometry(), goBefore);
  QCOMPARE(widget<QPlainTextEdit>("TestEF")->toPlainText().count('\n'), 2);
  saveScreenshot("window1_resized.png");
}

QTEST_MAIN(FormQtTest)
#include "form_qt_test.moc"
