#pragma once

#include <QFont>

#include "framework/control.h"

namespace qtui {

// The font of a control: "System" is the application font; a named font that this machine does
// not have falls back by its kind ("Monaco" and "Courier" to the system's monospace font). A
// size is in pixels of the window's coordinates.
QFont fontFor(const fw::ControlSpec& props);

// "Cmd+o" and "Cmd+Q" as a key sequence text ("Ctrl+O"); the empty text for none.
QString shortcutText(const std::string& stored);

inline QString toQt(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string fromQt(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace qtui
