#include "windowview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <algorithm>
#include <memory>

#include "framework/runtime.h"
#include "handlerinput.h"
#include "qtfonts.h"
#include "qtmenus.h"

namespace qtui {

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
  if (holdInput(this, watched, event)) return true;
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
  // Return in a multi-line field is the field's own (an editable one takes it as a new line
  // before any shortcut sees it), never the default button.
  QWidget* focus = QApplication::focusWidget();
  if (qobject_cast<QPlainTextEdit*>(focus)) return;
  // Return in an editable combo box (focused itself, or through its line edit) first commits
  // what was typed into it, as leaving the box does: its Change event may disable the default
  // button (a manufacturer cleared) or enable it (one typed in), and the button is pressed only
  // if it is enabled then.
  auto* combo = qobject_cast<QComboBox*>(focus);
  if (combo == nullptr && focus != nullptr) combo = qobject_cast<QComboBox*>(focus->parentWidget());
  if (combo != nullptr && combo->isEditable()) {
    for (const auto& control : model_->controls()) {
      if (control->kind() != fw::ControlKind::ComboBox || widgetOf(*control) != combo) continue;
      auto& box = static_cast<fw::ComboBox&>(*control);
      guard([&] { box.userCommit(); });
      break;
    }
    if (model_ == nullptr) return;
  }
  for (const auto& control : model_->controls()) {
    if (control->kind() != fw::ControlKind::PushButton || !control->initial().Default) continue;
    auto& button = static_cast<fw::PushButton&>(*control);
    guard([&] { button.userClick(); });
    return;
  }
}

}  // namespace qtui
