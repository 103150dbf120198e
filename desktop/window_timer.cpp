#include "desktop/window_timer.h"

namespace desktop {

QtWindowTimer::QtWindowTimer() {
    // A coarse timer may fire up to 5 % late: a step of 2 s would show for 2.1 s.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (onTick) onTick();
    });
}

void QtWindowTimer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    if (milliseconds == 0) return timer_.stop();
    timer_.start(milliseconds);
}

std::unique_ptr<WindowTimer> MakeQtWindowTimer() { return std::make_unique<QtWindowTimer>(); }

}  // namespace desktop
