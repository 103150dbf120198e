#pragma once
// Holds SIGTERM, SIGINT and SIGHUP back while it lives, so a write and its rename are never cut
// short; a held signal arrives when it goes. Plain C++, for the tool without windows too.
#include <csignal>

namespace iconfile {

// The three signals that ask a program to end.
sigset_t TerminationSignalSet();

class BlockedTerminationSignals {
public:
    BlockedTerminationSignals();
    ~BlockedTerminationSignals();
    BlockedTerminationSignals(const BlockedTerminationSignals&) = delete;
    BlockedTerminationSignals& operator=(const BlockedTerminationSignals&) = delete;

private:
    sigset_t previous_;
};

}  // namespace iconfile
