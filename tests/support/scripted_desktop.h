#pragma once
// A desktop for window tests: message boxes are recorded and answered from a script, beeps,
// busy pointer changes and the program's end are counted instead of performed.
#include <deque>
#include <vector>

#include "desktop/desktop_services.h"

struct ShownMessage {
    desktop::MessageIcon icon;
    desktop::MessageButtons buttons;
    QString text;
    std::optional<QString> title;
};

class ScriptedDesktop : public desktop::DesktopServices {
public:
    desktop::MessageAnswer showMessage(desktop::MessageIcon icon, desktop::MessageButtons buttons,
                                       const QString& text, const std::optional<QString>& title) override {
        messages.push_back({icon, buttons, text, title});
        if (!answers.empty()) {
            const desktop::MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        switch (buttons) {
            case desktop::MessageButtons::YesNo: return desktop::MessageAnswer::No;
            case desktop::MessageButtons::RetryCancel: return desktop::MessageAnswer::Cancel;
            case desktop::MessageButtons::Ok: break;
        }
        return desktop::MessageAnswer::Ok;
    }
    void beep() override { ++beeps; }
    void setBusy(bool busy) override { busyChanges.push_back(busy); }
    void endProgram(int status) override {
        if (!ended) exitStatus = status;
        ended = true;
        ++endCalls;
    }
    bool programEnded() const override { return ended; }

    std::deque<desktop::MessageAnswer> answers;  // answers for the next boxes, in order
    std::vector<ShownMessage> messages;
    std::vector<bool> busyChanges;
    int beeps = 0;
    bool ended = false;
    int exitStatus = 0;
    int endCalls = 0;
};
