#include "iconfile/blocked_termination_signals.h"

#include <initializer_list>

#include <pthread.h>

namespace iconfile {

sigset_t TerminationSignalSet() {
    sigset_t set;
    sigemptyset(&set);
    for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) sigaddset(&set, signalNumber);
    return set;
}

BlockedTerminationSignals::BlockedTerminationSignals() {
    const sigset_t set = TerminationSignalSet();
    ::pthread_sigmask(SIG_BLOCK, &set, &previous_);
}

BlockedTerminationSignals::~BlockedTerminationSignals() { ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }

}  // namespace iconfile
