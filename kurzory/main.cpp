// kurzory: the suite's conversions from the command line, an animated cursor inspector and
// export to the Linux pointer format. No window is ever opened.
#include <iostream>
#include <string>
#include <vector>

#include "kurzory/console.h"
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
    if (command == "--help" || command == "-h") return std::cout << kurzory::MainHelp(), 0;
    if (command == "--version") return std::cout << kurzory::VersionText(), 0;
    if (command == "ani") return kurzory::RunAni(rest, console);
    if (command == "cur") return kurzory::RunCur(rest, console);
    if (command == "ico") return kurzory::RunIco(rest, console);
    if (command == "info") return kurzory::RunInfo(rest, console);
    if (command == "xcursor") return kurzory::RunXcursor(rest, console);
    return console.Fail(kurzory::UnknownCommandText(command));
}
