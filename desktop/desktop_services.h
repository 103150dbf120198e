#pragma once
// What the windows ask of the desktop beyond their own widgets. Windows take it in their
// constructor, so tests can script message answers and watch beeps and the program's end.
#include <QString>
#include <optional>

namespace desktop {

enum class MessageIcon { Information, Question, Exclamation, Critical };
enum class MessageButtons { Ok, YesNo, RetryCancel };
enum class MessageAnswer { Ok, Yes, No, Retry, Cancel };

// The answer of a box closed without pressing a button: its escape choice.
inline MessageAnswer EscapeAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo: return MessageAnswer::No;
        case MessageButtons::RetryCancel: return MessageAnswer::Cancel;
        case MessageButtons::Ok: break;
    }
    return MessageAnswer::Ok;
}

class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    // A modal message box; without a title it carries the program's title.
    virtual MessageAnswer showMessage(MessageIcon icon, MessageButtons buttons, const QString& text,
                                      const std::optional<QString>& title = std::nullopt) = 0;
    virtual void beep() = 0;
    virtual void setBusy(bool busy) = 0;
    // Ends the program at once with `status`, also before the event loop has started.
    virtual void endProgram(int status) = 0;
    virtual bool programEnded() const = 0;
};

}  // namespace desktop
