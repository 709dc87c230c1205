#include "qtfonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>

namespace qtui {

QFont fontFor(const fw::ControlSpec& props) {
  QFont font = QApplication::font();
  if (props.TextFont != "System" && !props.TextFont.empty()) {
    const QString family = toQt(props.TextFont);
    if (QFontDatabase::hasFamily(family)) {
      font.setFamily(family);
    } else if (family == "Monaco" || family.startsWith("Courier") || family == "Menlo") {
      font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
  }
  // Sizes are typographic points of 1/72 inch laid out on a 72-dpi grid, so a point is one
  // pixel of the window's coordinates; at Qt's 96 dpi a point size would outgrow its control.
  if (props.TextSize > 0) font.setPixelSize(props.TextSize);
  // Only a change makes the font a copy of its own, so a control in the application's font
  // costs no more than a look at it.
  if (font.bold() != props.Bold) font.setBold(props.Bold);
  if (font.italic() != props.Italic) font.setItalic(props.Italic);
  if (font.underline() != props.Underline) font.setUnderline(props.Underline);
  return font;
}

QString shortcutText(const std::string& stored) {
  if (stored.empty()) return {};
  QString text = toQt(stored);
  if (text.startsWith("Cmd+")) text = "Ctrl+" + text.mid(4).toUpper();
  return text;
}

}  // namespace qtui
