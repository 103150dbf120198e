#pragma once
// File names as messages show them: a name may hold any byte but '/' and NUL, and a newline or a
// terminal's control sequence in it would break a one-line message or rewrite the screen.
#include <string>
#include <string_view>

namespace iconfile {

// `text` with its control characters (C0, DEL and the UTF-8 encoded C1 ones) written as "\n",
// "\t", "\r" or "\xNN" per byte; everything else as it is.
std::string ShownFileName(std::string_view text);

}  // namespace iconfile
