#pragma once
// Holds SIGINT, SIGTERM and SIGHUP back while a command writes, so an interrupted run still ends
// with its output complete or untouched and no temporary file beside it; a held signal arrives
// when the command is done.
#include <csignal>

namespace kurzory {

class HeldSignals {
public:
    HeldSignals();
    ~HeldSignals();
    HeldSignals(const HeldSignals&) = delete;
    HeldSignals& operator=(const HeldSignals&) = delete;

private:
    sigset_t previous_{};
};

}  // namespace kurzory
