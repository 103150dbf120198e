#include "pelcor/icon_path.h"

#include <filesystem>

#include "iconfile/folder_separator.h"

namespace pelcor {

std::string IconPathFor(std::string_view bitmapPath) {
    const std::size_t stop = bitmapPath.find_last_of(std::string{'.', iconfile::kFolderSeparator});
    if (stop != std::string_view::npos && bitmapPath[stop] == '.')
        return std::string(bitmapPath.substr(0, stop)) + ".ico";
    return std::string(bitmapPath) + ".ico";
}

bool NamesSameFile(const std::string& first, const std::string& second) {
    if (first == second) return true;
    std::error_code error;
    return std::filesystem::equivalent(first, second, error) && !error;
}

std::string IconOverBitmapMessage(const std::string& bitmapPath) {
    return "Ikona by se zapsala přes obrázek " + bitmapPath + ", a proto se nevytvoří.";
}

}  // namespace pelcor
