#include "qtmenus.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <type_traits>

#include "qtfonts.h"

namespace qtui {
namespace {

// One text-editing command on a line or multi-line text widget.
template <class Edit>
void applyEdit(Edit* edit, fw::MenuRole role) {
  switch (role) {
    case fw::MenuRole::Undo:
      edit->undo();
      break;
    case fw::MenuRole::Cut:
      edit->cut();
      break;
    case fw::MenuRole::Copy:
      edit->copy();
      break;
    case fw::MenuRole::Paste:
      edit->paste();
      break;
    case fw::MenuRole::SelectAll:
      edit->selectAll();
      break;
    case fw::MenuRole::Clear:
      if constexpr (std::is_same_v<Edit, QLineEdit>) {
        edit->del();
      } else {
        edit->textCursor().removeSelectedText();
      }
      break;
    case fw::MenuRole::Command:
    case fw::MenuRole::Quit:
      break;
  }
}

// The framework's text editing on the focused widget.
void editFocused(fw::MenuRole role) {
  QWidget* focus = QApplication::focusWidget();
  if (auto* combo = qobject_cast<QComboBox*>(focus)) focus = combo->lineEdit();
  if (auto* line = qobject_cast<QLineEdit*>(focus)) {
    applyEdit(line, role);
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(focus)) {
    applyEdit(text, role);
  }
}

}  // namespace

QMenuBar* makeMenuBar(const fw::MenuBar& bar, QWidget* parent,
                      std::function<void(const std::string& itemName)> command) {
  auto* menuBar = new QMenuBar(parent);
  for (int m = 0; m < bar.Count(); ++m) {
    const fw::MenuItem& menuItem = bar.Item(m);
    QMenu* menu = menuBar->addMenu(toQt(menuItem.Text));
    menu->setObjectName(toQt(menuItem.Name));
    for (int i = 0; i < menuItem.Count(); ++i) {
      const fw::MenuItem& item = menuItem.Item(i);
      if (item.isSeparator()) {
        menu->addSeparator()->setObjectName(toQt(item.Name));
        continue;
      }
      QAction* action = menu->addAction(toQt(item.Text));
      action->setObjectName(toQt(item.Name));
      action->setShortcut(QKeySequence(shortcutText(item.KeyboardShortcut)));
      const fw::MenuRole role = item.role();
      QObject::connect(action, &QAction::triggered, menuBar, [role, name = item.Name, command] {
        if (role == fw::MenuRole::Command || role == fw::MenuRole::Quit) {
          command(name);
        } else {
          editFocused(role);
        }
      });
    }
  }
  return menuBar;
}

}  // namespace qtui
