#include "desktop/standard_error_services.h"

#include <cstdio>

namespace desktop {

StandardErrorServices::StandardErrorServices(QString programName) : programName_(std::move(programName)) {}

MessageAnswer StandardErrorServices::showMessage(MessageIcon, MessageButtons buttons, const QString& text,
                                                 const std::optional<QString>&) {
    std::fprintf(stderr, "%s: %s\n", programName_.toUtf8().constData(), text.toUtf8().constData());
    messageShown_ = true;
    // Nobody is there to answer.
    return EscapeAnswer(buttons);
}

void StandardErrorServices::endProgram(int status) {
    if (!ended_) exitStatus_ = status;
    ended_ = true;
}

}  // namespace desktop
