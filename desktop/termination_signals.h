#pragma once
// SIGTERM, SIGINT and SIGHUP end a program as its Cancel would: open message boxes answer with
// their escape button, the event handler in progress runs to its end, the program's objects
// clean up (temporary files, the private folder) and the program then ends by the same signal.
// The handler only writes the signal's number into a pipe; the event loop does the rest.
#include <csignal>

namespace desktop {

class TerminationSignals {
public:
    // Declared first in main, so it is destroyed last, after everything that cleans up.
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // Lets the running application's event loop see the signals; the desktop services call it
    // once the application object exists.
    static void WatchInEventLoop();
    // The signal that asked the program to end, or 0.
    static int Received();
};

}  // namespace desktop
