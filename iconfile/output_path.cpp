#include "iconfile/output_path.h"

#include "iconfile/folder_separator.h"

namespace iconfile {
namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Byte position where the last `count` characters begin, or npos when there are fewer.
std::size_t StartOfLastCharacters(std::string_view text, std::size_t count) {
    std::size_t position = text.size();
    for (std::size_t found = 0; found < count; ++found) {
        if (position == 0) return std::string_view::npos;
        --position;
        while (position > 0 && IsContinuationByte(text[position])) --position;
    }
    return position;
}

}  // namespace

std::optional<std::string> OutputPathFor(std::string_view inputPath, std::string_view suffix) {
    const std::size_t start = StartOfLastCharacters(inputPath, 3);
    if (start == std::string_view::npos) return std::nullopt;
    if (inputPath.substr(start).find(kFolderSeparator) != std::string_view::npos) return std::nullopt;
    std::string result(inputPath.substr(0, start));
    result += suffix;
    return result;
}

}  // namespace iconfile
