#pragma once
// A window timer with its tag text, behind a seam: the window sets intervals and reacts to
// ticks; tests hand it timers they tick themselves.
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

namespace desktop {

class WindowTimer {
public:
    virtual ~WindowTimer() = default;
    // 0 stops the timer; any other value (re)starts it with that period in milliseconds.
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;

    std::function<void()> onTick;
    QString tag;
};

using TimerFactory = std::function<std::unique_ptr<WindowTimer>()>;

class QtWindowTimer : public WindowTimer {
public:
    QtWindowTimer();
    void setInterval(int milliseconds) override;
    int interval() const override { return interval_; }

private:
    QTimer timer_;
    int interval_ = 0;
};

std::unique_ptr<WindowTimer> MakeQtWindowTimer();

}  // namespace desktop
