#pragma once
#include "desktop/desktop_services.h"

namespace desktop {

class QtDesktopServices : public DesktopServices {
public:
    explicit QtDesktopServices(QString programTitle);

    MessageAnswer showMessage(MessageIcon icon, MessageButtons buttons, const QString& text,
                              const std::optional<QString>& title = std::nullopt) override;
    void beep() override;
    void setBusy(bool busy) override;
    void endProgram(int status) override;
    bool programEnded() const override { return ended_; }

    // Runs the event loop unless the program has already ended; returns the exit status.
    int runEventLoop();

private:
    QString programTitle_;
    bool ended_ = false;
    int exitStatus_ = 0;
    int busyDepth_ = 0;
};

}  // namespace desktop
