#pragma once
// The texts kurzory reads: lists in its options and the lines of hand-written files (set files,
// Windows scheme files).
#include <string>
#include <string_view>
#include <vector>

namespace kurzory {

// The text without the blanks, tabs and line ends around it.
inline std::string Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

// The parts of a list between its commas, empty ones included: "1,,2" has three.
inline std::vector<std::string_view> SplitAtCommas(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) return parts;
        start = comma + 1;
    }
}

}  // namespace kurzory
