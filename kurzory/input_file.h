#pragma once
// The rule every subcommand's input follows before its kind is tested: a path that cannot be
// opened as a regular file for reading is refused in the system's words.
#include <string>

namespace kurzory {

// The refusal line for `path` ("Soubor nebo složka neexistuje", "Je to složka", "Přístup
// odepřen"…), or an empty text when it can be read.
std::string UnreadableInput(const std::string& path);

}  // namespace kurzory
