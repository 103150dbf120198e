#include "pelcor/window_timer.h"

namespace pelcor {

QtWindowTimer::QtWindowTimer() {
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

}  // namespace pelcor
