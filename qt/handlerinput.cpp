#include "handlerinput.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

#include "framework/runtime.h"
#include "vectorstate.h"
#include "windowview.h"

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

}  // namespace

void guard(const std::function<void()>& action) {
  if (g_runningHandlers++ == 0) WindowView::handlersBegin();
  clearUpperVectorState();
  fw::Runtime::current().guard(action);
  if (--g_runningHandlers > 0) return;
  WindowView::handlersEnded();
  deliverHeldInput();
}

bool handlerRunning() noexcept { return g_runningHandlers > 0; }

bool holdInput(const QWidget* window, QObject* watched, QEvent* event) {
  if (g_runningHandlers > 0 && isUserInput(event->type()) && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == window) {
    g_heldInput.emplace_back(watched, event->clone());
    event->accept();
    return true;
  }
  return false;
}

}  // namespace qtui
