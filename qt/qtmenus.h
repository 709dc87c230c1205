#pragma once

// Menu bars drawn from the framework's menus.

#include <QMenuBar>
#include <functional>
#include <string>

#include "framework/menu.h"

namespace qtui {

// A Qt menu bar with the menus and items of `bar`: "&" mnemonics kept, "Cmd+x" shortcuts as
// Ctrl+X. The text-editing items act on the focused text widget themselves; every other item
// calls `command` with its name.
QMenuBar* makeMenuBar(const fw::MenuBar& bar, QWidget* parent,
                      std::function<void(const std::string& itemName)> command);

}  // namespace qtui
