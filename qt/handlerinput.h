#pragma once

// Handlers that the user's input in a window starts, and the input that comes while one runs.
//
// Two things keep the user's clicks and keys out of a running handler. The yield processes events
// without user input (QEventLoop::ExcludeUserInputEvents), which leaves what the window system
// queued in its queue; it does nothing for an event posted to a widget. The hold below is the one
// relied on: whatever brought it, every input event that reaches a widget of the window while a
// handler runs is held, and delivered in its order once all handlers are over.

#include <functional>

class QEvent;
class QObject;
class QWidget;

namespace qtui {

// Runs `action`, a model call made for the user's input in a window, under the runtime's guard.
// Once the last running handler is over, multi-line fields show the texts they were given and
// the input held meanwhile is delivered.
void guard(const std::function<void()>& action);

// Whether a handler started from a window is running.
bool handlerRunning() noexcept;

// Holds `event`, user input for a widget of `window` that comes while a handler runs, to deliver
// it once all are over; returns whether it was held.
bool holdInput(const QWidget* window, QObject* watched, QEvent* event);

}  // namespace qtui
