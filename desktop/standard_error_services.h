#pragma once
#include "desktop/desktop_services.h"

namespace desktop {

// The desktop of a program that runs without a display: each message goes to standard error,
// prefixed with the program's name, and a program that had something to tell ends with status 1.
class StandardErrorServices : public DesktopServices {
public:
    explicit StandardErrorServices(QString programName);

    MessageAnswer showMessage(MessageIcon icon, MessageButtons buttons, const QString& text,
                              const std::optional<QString>& title = std::nullopt) override;
    void beep() override {}
    void setBusy(bool) override {}
    void endProgram(int status) override;
    bool programEnded() const override { return ended_; }

    int exitStatus() const { return messageShown_ && exitStatus_ == 0 ? 1 : exitStatus_; }

private:
    QString programName_;
    bool messageShown_ = false;
    bool ended_ = false;
    int exitStatus_ = 0;
};

}  // namespace desktop
