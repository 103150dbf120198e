#pragma once
// Window timers that the tests tick themselves.
#include <memory>
#include <vector>

#include "desktop/window_timer.h"

class ScriptedTimer : public desktop::WindowTimer {
public:
    void setInterval(int milliseconds) override { interval_ = milliseconds; }
    int interval() const override { return interval_; }
    // One tick, delivered only while the timer runs, as a real timer would.
    void tick() {
        if (interval_ != 0 && onTick) onTick();
    }

private:
    int interval_ = 0;
};

// Hands out scripted timers in creation order: the first made is timers[0], and so on
struct TimerRig {
    std::vector<ScriptedTimer*> made;
    desktop::TimerFactory factory() {
        return [this] {
            auto timer = std::make_unique<ScriptedTimer>();
            made.push_back(timer.get());
            return timer;
        };
    }
    ScriptedTimer& operator[](int number) { return *made.at(static_cast<std::size_t>(number - 1)); }
};
