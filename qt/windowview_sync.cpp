// Widgets follow the model: every property change the model reports reaches its widget with the
// widget's signals blocked.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "handlerinput.h"
#include "qtfonts.h"
#include "vectorstate.h"
#include "windowview.h"

namespace qtui {

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
    if (handlerRunning()) {
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

void WindowView::titleChanged(fw::Window& window) { setWindowTitle(toQt(window.Title())); }

void WindowView::refresh(fw::Control& control) {
  if (QWidget* widget = widgetOf(control)) {
    widget->repaint();
    clearUpperVectorState();
  }
}
}  // namespace qtui
