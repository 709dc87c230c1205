#pragma once

// The end of a start-up benchmark's process: the moment its first window is shown. The
// application writes, on one line to the standard output, the CLOCK_MONOTONIC times (ns) at
// which the platform first exposed a window (on X, once the server has mapped it) and at which
// that window had drawn itself, and how many widgets the program had made; then it ends the
// process at once. bench/startup_cost.py reads the times against the process's start and its
// peak memory from the process's resource use.

#include <QApplication>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace firstwindow {

inline long long monotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

class Application : public QApplication {
 public:
  using QApplication::QApplication;

  bool notify(QObject* receiver, QEvent* event) override {
    if (event->type() != QEvent::Expose || !receiver->isWindowType() ||
        !static_cast<QWindow*>(receiver)->isExposed()) {
      return QApplication::notify(receiver, event);
    }
    const long long exposed = monotonicNs();
    // The widgets' window paints itself while it handles its first expose.
    QApplication::notify(receiver, event);
    const long long drawn = monotonicNs();
    std::printf("%lld %lld %lld\n", exposed, drawn,
                static_cast<long long>(QApplication::allWidgets().size()));
    std::fflush(stdout);
    std::_Exit(0);
  }
};

}  // namespace firstwindow
