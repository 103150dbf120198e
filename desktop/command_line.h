#pragma once
#include <string>

namespace desktop {

// The command line taken whole as one text: the arguments joined with single blanks. Quote
// characters that reach the program stay part of the text.
std::string CommandLineText(int argc, const char* const* argv);

}  // namespace desktop
