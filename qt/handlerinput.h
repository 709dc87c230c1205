#pragma once

// Handlers that the user's input in a window starts, and the input that comes while one runs.

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
