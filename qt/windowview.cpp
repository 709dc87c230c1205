#include "windowview.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "framework/runtime.h"
#include "qtfonts.h"
#include "qtmenus.h"

namespace qtui {
namespace {

// How many handlers started from a window are running: a long one yields to the event loop, and
// a handler may start another (a menu command that shows a message, say).
int g_runningHandlers = 0;
// User input that reached a program window while a handler ran, in the order it came.
std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> g_heldInput;

// Clicks and keystrokes that come while a handler runs are delivered once it is over, so the
// user can neither start a second Go inside a Go nor edit the form under a running Go.
void deliverHeldInput() {
  auto held = std::move(g_heldInput);
  g_heldInput.clear();
  for (auto& [receiver, event] : held) {
    if (receiver) QCoreApplication::postEvent(receiver, event.release());
  }
}

// Views whose multi-line fields wait to show a text that a running handler gave them.
std::vector<QPointer<WindowView>> g_viewsWithTextsToShow;

// While a handler runs, multi-line fields take their new texts at most this often, the first
// time this long after the handler began. A long handler may set a text many times (Go's
// progress); laying out and drawing each one would cost more than making it, and more often than
// this nobody could read it anyway. A short handler's text is shown once, when it is over.
constexpr int kTextRefreshMs = 250;
QElapsedTimer g_sinceTextsShown;

void guard(const std::function<void()>& action) {
  if (g_runningHandlers++ == 0) g_sinceTextsShown.start();
  fw::Runtime::current().guard(action);
  if (--g_runningHandlers > 0) return;
  for (const auto& view : std::exchange(g_viewsWithTextsToShow, {})) {
    if (view) view->showTextsNow();
  }
  deliverHeldInput();
}

bool isUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
      return true;
    default:
      return false;
  }
}

Qt::Alignment alignmentOf(fw::Align align) {
  switch (align) {
    case fw::Align::Center:
      return Qt::AlignHCenter;
    case fw::Align::Right:
      return Qt::AlignRight;
    case fw::Align::Left:
      break;
  }
  return Qt::AlignLeft;
}

// As much text as a line edit can hold.
constexpr int kNoLengthLimit = std::numeric_limits<int>::max();

QString objectNameOf(const fw::Control& control) {
  QString name = toQt(control.Name());
  if (control.Index() != fw::kNoIndex) name += QString("(%1)").arg(control.Index());
  return name;
}

}  // namespace

WindowView::WindowView(fw::Window& model) : model_(&model), content_(new QWidget(this)) {
  const fw::WindowSpec& frame = model.frame();
  setObjectName(QString::fromStdString(typeid(model).name()));
  setWindowTitle(toQt(frame.Title));
  content_->setObjectName("content");
  setCentralWidget(content_);
  if (frame.MenuBarVisible) buildMenuBar();
  buildControls();

  Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint;
  if (frame.CloseButton) flags |= Qt::WindowCloseButtonHint;
  if (frame.MinimizeButton) flags |= Qt::WindowMinimizeButtonHint;
  if (frame.MaximizeButton) flags |= Qt::WindowMaximizeButtonHint;
  setWindowFlags(flags);

  // The frame's sizes are those of the content; the menu bar comes on top.
  const int bar = menuWidget() != nullptr ? menuWidget()->sizeHint().height() : 0;
  if (frame.Resizeable) {
    setMinimumSize(frame.MinWidth, frame.MinHeight + bar);
    setMaximumSize(frame.MaxWidth, frame.MaxHeight + bar);
    resize(frame.Width, frame.Height + bar);
  } else {
    setFixedSize(frame.Width, frame.Height + bar);
  }
  model.setObserver(this);
  // Sees the input of every widget, to hold what comes for this window while a handler runs.
  qApp->installEventFilter(this);
}

WindowView::~WindowView() {
  if (model_ != nullptr) model_->setObserver(nullptr);
}

void WindowView::detach() {
  if (model_ != nullptr) model_->setObserver(nullptr);
  model_ = nullptr;
  textsToShow_.clear();
}

void WindowView::buildMenuBar() {
  std::shared_ptr<fw::MenuBar> bar = model_->frame().MenuBar;
  if (!bar) {
    if (auto* app = fw::Runtime::current().application()) bar = app->MenuBar;
  }
  if (!bar) return;
  setMenuBar(makeMenuBar(*bar, this, [this](const std::string& itemName) {
    guard([&] { fw::Runtime::current().dispatchMenu(itemName, model_); });
  }));
}

void WindowView::buildControls() {
  QWidget* previous = nullptr;
  for (const auto& control : model_->controls()) {
    QWidget* widget = makeWidget(*control);
    const fw::ControlSpec& props = control->initial();
    widget->setObjectName(objectNameOf(*control));
    widget->setGeometry(props.Left, props.Top, props.Width, props.Height);
    widget->setFont(fontFor(props));
    if (!props.HelpTag.empty()) widget->setToolTip(toQt(props.HelpTag));
    widget->setEnabled(control->Enabled());
    widget->setVisible(control->Visible());
    widgets_[control.get()] = widget;
    // The creation order is the tab order.
    if (widget->focusPolicy() != Qt::NoFocus) {
      if (previous != nullptr) QWidget::setTabOrder(previous, widget);
      previous = widget;
    }
  }
  auto* returnKey = new QShortcut(QKeySequence(Qt::Key_Return), this);
  auto* enterKey = new QShortcut(QKeySequence(Qt::Key_Enter), this);
  connect(returnKey, &QShortcut::activated, this, [this] { pressDefaultButton(); });
  connect(enterKey, &QShortcut::activated, this, [this] { pressDefaultButton(); });
}

QWidget* WindowView::makeWidget(fw::Control& control) {
  const fw::ControlSpec& props = control.initial();
  switch (control.kind()) {
    case fw::ControlKind::EditField: {
      auto& field = static_cast<fw::EditField&>(control);
      if (props.Multiline) {
        auto* edit = new QPlainTextEdit(content_);
        edit->setPlainText(toQt(field.Text()));
        shownText_[&control] = field.Text();
        edit->setReadOnly(props.ReadOnly);
        edit->setTabChangesFocus(!props.AcceptTabs);
        edit->setLineWrapMode(props.ScrollbarHorizontal ? QPlainTextEdit::NoWrap
                                                        : QPlainTextEdit::WidgetWidth);
        edit->setVerticalScrollBarPolicy(props.ScrollbarVertical ? Qt::ScrollBarAsNeeded
                                                                 : Qt::ScrollBarAlwaysOff);
        if (!props.Border) edit->setFrameShape(QFrame::NoFrame);
        connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, &field] {
          if (model_ == nullptr) return;
          std::string text = fromQt(edit->toPlainText());
          shownText_[&field] = text;
          guard([&] { field.userSetText(std::move(text)); });
        });
        return edit;
      }
      auto* edit = new QLineEdit(toQt(field.Text()), content_);
      edit->setReadOnly(props.ReadOnly);
      edit->setFrame(props.Border);
      edit->setAlignment(alignmentOf(props.Alignment) | Qt::AlignVCenter);
      if (props.Password) edit->setEchoMode(QLineEdit::Password);
      // LimitText 0 is no limit; QLineEdit's own default would cut a text at 32767 characters.
      edit->setMaxLength(props.LimitText > 0 ? props.LimitText : kNoLengthLimit);
      edit->setCursorPosition(0);
      connect(edit, &QLineEdit::textEdited, this, [this, &field](const QString& text) {
        if (model_ != nullptr) guard([&] { field.userSetText(fromQt(text)); });
      });
      return edit;
    }
    case fw::ControlKind::StaticText: {
      auto& label = static_cast<fw::StaticText&>(control);
      auto* widget = new QLabel(toQt(label.Text()), content_);
      widget->setAlignment(alignmentOf(props.Alignment) | Qt::AlignVCenter);
      widget->setWordWrap(props.Multiline);
      return widget;
    }
    case fw::ControlKind::PopupMenu: {
      auto& popup = static_cast<fw::PopupMenu&>(control);
      auto* combo = makeComboBox();
      for (int row = 0; row < popup.ListCount(); ++row) combo->addItem(toQt(popup.List(row)));
      combo->setCurrentIndex(popup.ListIndex());
      connect(combo, &QComboBox::activated, this, [this, &popup](int row) {
        if (model_ != nullptr) guard([&] { popup.userChoose(row); });
      });
      return combo;
    }
    case fw::ControlKind::ComboBox: {
      auto& box = static_cast<fw::ComboBox&>(control);
      auto* combo = makeComboBox();
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      combo->setCompleter(nullptr);  // no completion while typing
      for (int row = 0; row < box.ListCount(); ++row) combo->addItem(toQt(box.List(row)));
      combo->setCurrentIndex(box.ListIndex());
      combo->setEditText(toQt(box.Text()));
      connect(combo, &QComboBox::activated, this, [this, &box](int row) {
        if (model_ != nullptr) guard([&] { box.userChoose(row); });
      });
      connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this, &box](const QString& text) {
        if (model_ != nullptr) guard([&] { box.userType(fromQt(text)); });
      });
      connect(combo->lineEdit(), &QLineEdit::editingFinished, this, [this, &box] {
        if (model_ != nullptr) guard([&] { box.userCommit(); });
      });
      return combo;
    }
    case fw::ControlKind::CheckBox: {
      auto& check = static_cast<fw::CheckBox&>(control);
      auto* widget = new QCheckBox(toQt(props.Caption), content_);
      widget->setChecked(check.Value());
      connect(widget, &QCheckBox::clicked, this, [this, widget, &check] {
        if (model_ == nullptr) return;
        guard([&] { check.userClick(); });
        // The model decides the state; show what it holds.
        if (model_ != nullptr) {
          const QSignalBlocker block(widget);
          widget->setChecked(check.Value());
        }
      });
      return widget;
    }
    case fw::ControlKind::PushButton: {
      auto& button = static_cast<fw::PushButton&>(control);
      auto* widget = new QPushButton(toQt(props.Caption), content_);
      widget->setDefault(props.Default);
      connect(widget, &QPushButton::clicked, this, [this, &button] {
        if (model_ != nullptr) guard([&] { button.userClick(); });
      });
      return widget;
    }
    case fw::ControlKind::HTMLViewer: {
      // An inert blank area: nothing is ever loaded into it.
      auto* widget = new QWidget(content_);
      widget->setAutoFillBackground(true);
      QPalette palette = widget->palette();
      palette.setColor(QPalette::Window, Qt::white);
      widget->setPalette(palette);
      return widget;
    }
  }
  return new QWidget(content_);
}

QComboBox* WindowView::makeComboBox() {
  auto* combo = new QComboBox(content_);
  // The wheel changes the row of the box the user works in, never of one the pointer passes.
  combo->setFocusPolicy(Qt::StrongFocus);
  combo->installEventFilter(this);
  return combo;
}

QWidget* WindowView::widgetOf(const fw::Control& control) const {
  const auto it = widgets_.find(&control);
  return it == widgets_.end() ? nullptr : it->second;
}

void WindowView::controlChanged(fw::Control& control, fw::Property property) {
  QWidget* widget = widgetOf(control);
  if (widget == nullptr) return;
  const QSignalBlocker block(widget);
  switch (property) {
    case fw::Property::Enabled:
      widget->setEnabled(control.Enabled());
      return;
    case fw::Property::Visible:
      widget->setVisible(control.Visible());
      return;
    case fw::Property::Value:
      if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        check->setChecked(static_cast<fw::CheckBox&>(control).Value());
      }
      return;
    case fw::Property::Text:
    case fw::Property::ListIndex:
      break;
  }
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    const QString text = toQt(static_cast<fw::EditField&>(control).Text());
    if (line->text() != text) line->setText(text);
  } else if (qobject_cast<QPlainTextEdit*>(widget)) {
    if (g_runningHandlers > 0) {
      showTextLater(control);
    } else {
      showText(control);
    }
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(toQt(static_cast<fw::StaticText&>(control).Text()));
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    if (control.kind() == fw::ControlKind::ComboBox) {
      auto& box = static_cast<fw::ComboBox&>(control);
      combo->setCurrentIndex(box.ListIndex());
      combo->setEditText(toQt(box.Text()));
    } else {
      combo->setCurrentIndex(static_cast<fw::PopupMenu&>(control).ListIndex());
    }
  }
}

void WindowView::showText(const fw::Control& control) {
  auto* plain = qobject_cast<QPlainTextEdit*>(widgetOf(control));
  if (plain == nullptr) return;
  const std::string& text = static_cast<const fw::EditField&>(control).Text();
  std::string& shown = shownText_[&control];
  if (text == shown) return;
  const QSignalBlocker block(plain);
  if (!shown.empty() && text.size() > shown.size() && text.compare(0, shown.size(), shown) == 0) {
    // Only the new part goes in, so growing output costs what it adds. Like a replaced text, it
    // is the program's and not an edit the user could undo.
    QTextDocument* document = plain->document();
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(toQt(text.substr(shown.size())));
    document->setUndoRedoEnabled(true);
  } else {
    plain->setPlainText(toQt(text));
  }
  shown = text;
}

// The field shows the text at the first pass of the event loop (a yield of the handler) once
// the texts shown last are old enough, or else when the handler is over.
void WindowView::showTextLater(const fw::Control& control) {
  if (std::find(textsToShow_.begin(), textsToShow_.end(), &control) == textsToShow_.end()) {
    textsToShow_.push_back(&control);
  }
  if (std::find(g_viewsWithTextsToShow.begin(), g_viewsWithTextsToShow.end(), this) ==
      g_viewsWithTextsToShow.end()) {
    g_viewsWithTextsToShow.emplace_back(this);
  }
  if (textShowQueued_) return;
  textShowQueued_ = true;
  // Timers fire in the yields of a running handler, as at any pass of the event loop.
  const qint64 wait = kTextRefreshMs - g_sinceTextsShown.elapsed();
  QTimer::singleShot(static_cast<int>(std::max<qint64>(wait, 0)), this,
                     &WindowView::showTextsWhenDue);
}

void WindowView::showTextsWhenDue() {
  textShowQueued_ = false;
  // Empty when the handler ended first and showed them.
  if (textsToShow_.empty()) return;
  showTextsNow();
  g_sinceTextsShown.start();
}

void WindowView::showTextsNow() {
  const auto controls = std::exchange(textsToShow_, {});
  if (model_ == nullptr) return;
  for (const fw::Control* control : controls) showText(*control);
}

void WindowView::titleChanged(fw::Window& window) { setWindowTitle(toQt(window.Title())); }

void WindowView::refresh(fw::Control& control) {
  if (QWidget* widget = widgetOf(control)) widget->repaint();
}

void WindowView::closeEvent(QCloseEvent* event) {
  if (model_ != nullptr) {
    fw::Window* model = model_;
    guard([&] { model->Close(); });
  }
  event->accept();
}

void WindowView::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  applyLocks();
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
  if (g_runningHandlers > 0 && isUserInput(event->type()) && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this) {
    g_heldInput.emplace_back(watched, event->clone());
    event->accept();
    return true;
  }
  // Return or Enter that chooses a row of an open list closes the list and ends there: it must
  // not also press the default button (Go).
  // Return or Enter in an open list chooses its row and nothing else: the list takes the key
  // before the window's shortcut for the default button (Go) can.
  if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window()->windowType() == Qt::Popup) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) event->accept();
  }
  // The wheel changes the row of the pop-up the user works in, never of one the pointer passes.
  if (event->type() == QEvent::Wheel) {
    auto* combo = qobject_cast<QComboBox*>(watched);
    QWidget* focus = QApplication::focusWidget();
    if (combo != nullptr && focus != combo && !combo->isAncestorOf(focus)) return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

bool WindowView::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && model_ != nullptr) {
    fw::Runtime::current().activated(*model_);
  }
  return QMainWindow::event(event);
}

void WindowView::applyLocks() {
  if (model_ == nullptr) return;
  const int dx = content_->width() - model_->frame().Width;
  const int dy = content_->height() - model_->frame().Height;
  for (const auto& [control, widget] : widgets_) {
    const fw::ControlSpec& props = control->initial();
    int left = props.Left, top = props.Top, width = props.Width, height = props.Height;
    // A locked edge keeps its distance to the same edge of the window.
    if (props.LockRight) (props.LockLeft ? width : left) += dx;
    if (props.LockBottom) (props.LockTop ? height : top) += dy;
    widget->setGeometry(left, top, std::max(width, 0), std::max(height, 0));
  }
}

void WindowView::pressDefaultButton() {
  if (model_ == nullptr) return;
  // Return in a multi-line field is a new line, not the default button.
  if (auto* plain = qobject_cast<QPlainTextEdit*>(QApplication::focusWidget())) {
    if (!plain->isReadOnly()) plain->insertPlainText("\n");
    return;
  }
  for (const auto& control : model_->controls()) {
    if (control->kind() != fw::ControlKind::PushButton || !control->initial().Default) continue;
    auto& button = static_cast<fw::PushButton&>(*control);
    guard([&] { button.userClick(); });
    return;
  }
}

}  // namespace qtui
