#include "desktop/standard_error_services.h"

#include <cstdio>

namespace desktop {

StandardErrorServices::StandardErrorServices(QString programName) : programName_(std::move(programName)) {}

MessageAnswer StandardErrorServices::showMessage(MessageIcon, MessageButtons buttons, const QString& text,
                                                 const std::optional<QString>&) {
    std::fprintf(stderr, "%s: %s\n", programName_.toUtf8().constData(), text.toUtf8().constData());
    messageShown_ = true;
    // Nobody can answer: the choice that gives up.
    switch (buttons) {
        case MessageButtons::YesNo: return MessageAnswer::No;
        case MessageButtons::RetryCancel: return MessageAnswer::Cancel;
        case MessageButtons::Ok: break;
    }
    return MessageAnswer::Ok;
}

void StandardErrorServices::endProgram(int status) {
    if (!ended_) exitStatus_ = status;
    ended_ = true;
}

}  // namespace desktop
