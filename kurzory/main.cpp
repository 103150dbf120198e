// kurzory: the suite's conversions from the command line, an animated cursor inspector and
// export to the Linux pointer format. No window is ever opened.
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "iconfile/blocked_termination_signals.h"
#include "iconfile/file_outcome.h"
#include "iconfile/removed_on_termination.h"
#include "kurzory/subcommands.h"
#include "kurzory/messages.h"

namespace {

int Run(const std::vector<std::string>& words, const kurzory::Console& console) {
    if (words.empty()) {
        std::cerr << kurzory::MainHelp();
        return kurzory::kStatusRefused;
    }
    const std::string& command = words.front();
    const kurzory::Words rest = kurzory::Words(words).subspan(1);
    if (command == "--help" || command == "-h" || command == "--version") {
        std::cout << (command == "--version" ? kurzory::VersionText() : kurzory::MainHelp());
        return 0;
    }
    const auto run = command == "info"      ? kurzory::RunInfo
                     : command == "ani"     ? kurzory::RunAni
                     : command == "cur"     ? kurzory::RunCur
                     : command == "ico"     ? kurzory::RunIco
                     : command == "sada"    ? kurzory::RunSada
                     : command == "xcursor" ? kurzory::RunXcursor
                                            : nullptr;
    if (run == nullptr) return console.Fail(kurzory::UnknownCommandText(command));
    if (command == "sada") {
        // A set writes many files and folders, and cleans up its own: it is not cut short.
        const iconfile::BlockedTerminationSignals held;
        return run(rest, console);
    }
    return run(rest, console);
}

}  // namespace

int main(int argc, char** argv) {
    // A closed pipe is then a failed write, reported like a full disk, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    // Ctrl+C ends a long copy at once; the temporary files go, the old output stays.
    iconfile::EndOnTerminationSignals();
    const std::vector<std::string> words(argv + 1, argv + argc);
    const kurzory::Console console{std::cout, std::cerr};
    const int status = Run(words, console);
    errno = 0;
    std::cout.flush();
    if (!std::cout) {
        // A report that did not arrive is no success.
        const int error = errno != 0 ? errno : EIO;
        console.Fail(kurzory::FileFailureText("standardní výstup", iconfile::FileOutcome::FromErrno("", error).reason()));
        return std::max(status, kurzory::kStatusRefused);
    }
    return status;
}
