#pragma once
// The six subcommands of kurzory, and the console they print to and fail through.
#include <ostream>
#include <span>
#include <string>

#include "iconfile/shown_file_name.h"

namespace kurzory {

inline constexpr int kStatusRefused = 2;

struct Console {
    std::ostream& out;
    std::ostream& err;

    // Prints the one Czech line of a refusal or usage error, a file name's control characters
    // escaped; the status to leave with.
    int Fail(const std::string& line) const {
        err << "kurzory: " << iconfile::ShownFileName(line) << '\n';
        return kStatusRefused;
    }
};

using Words = std::span<const std::string>;

int RunAni(Words words, const Console& console);
int RunCur(Words words, const Console& console);
int RunIco(Words words, const Console& console);
int RunInfo(Words words, const Console& console);
int RunSada(Words words, const Console& console);
int RunXcursor(Words words, const Console& console);

}  // namespace kurzory
