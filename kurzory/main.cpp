// kurzory: the suite's conversions from the command line, an animated cursor inspector and
// export to the Linux pointer format. No window is ever opened.
#include <iostream>
#include <string>
#include <vector>

#include "desktop/blocked_termination_signals.h"
#include "kurzory/subcommands.h"
#include "kurzory/messages.h"

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    const kurzory::Console console{std::cout, std::cerr};
    if (words.empty()) {
        std::cerr << kurzory::MainHelp();
        return kurzory::kStatusRefused;
    }
    const std::string& command = words.front();
    const kurzory::Words rest = kurzory::Words(words).subspan(1);
    if (command == "--help" || command == "-h" || command == "--version") {
        std::cout << (command == "--version" ? kurzory::VersionText() : kurzory::MainHelp()) << std::flush;
        return std::cout ? 0 : 1;  // a full disk or a closed pipe is no success
    }
    if (command == "info") return kurzory::RunInfo(rest, console);
    const auto writer = command == "ani"       ? kurzory::RunAni
                        : command == "cur"     ? kurzory::RunCur
                        : command == "ico"     ? kurzory::RunIco
                        : command == "sada"    ? kurzory::RunSada
                        : command == "xcursor" ? kurzory::RunXcursor
                                               : nullptr;
    if (writer == nullptr) return console.Fail(kurzory::UnknownCommandText(command));
    int status = 0;
    {
        // Every local of the command, its temporary files among them, is gone before a held signal ends the run.
        const desktop::BlockedTerminationSignals held;
        status = writer(rest, console);
    }
    return status;
}
