#pragma once
// Lines of the hand-written text files kurzory reads (set files, Windows scheme files).
#include <string>
#include <string_view>

namespace kurzory {

// The text without the blanks, tabs and line ends around it.
inline std::string Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

}  // namespace kurzory
