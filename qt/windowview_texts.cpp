// The texts that multi-line fields are given while a handler runs.

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <utility>
#include <vector>

#include "qtfonts.h"
#include "windowview.h"

namespace qtui {
namespace {

// Views whose multi-line fields wait to show a text that a running handler gave them.
std::vector<QPointer<WindowView>> g_viewsWithTextsToShow;

// While a handler runs, multi-line fields take their new texts at most this often, the first
// time this long after the handler began. A long handler may set a text many times (Go's
// progress); laying out and drawing each one would cost more than making it, and more often than
// this nobody could read it anyway. A short handler's text is shown once, when it is over.
constexpr int kTextRefreshMs = 250;
QElapsedTimer g_sinceTextsShown;

}  // namespace

void WindowView::handlersBegin() { g_sinceTextsShown.start(); }

void WindowView::handlersEnded() {
  for (const auto& view : std::exchange(g_viewsWithTextsToShow, {})) {
    if (view) view->showTextsNow();
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

}  // namespace qtui
