#include "iconfile/header_byte.h"

#include "iconfile/icon_records.h"

namespace iconfile {

int HeaderByte(std::istream& file, std::uint64_t offset) {
    file.clear();
    file.seekg(static_cast<std::streamoff>(offset), std::ios::beg);
    const int value = file.get();
    if (value == std::char_traits<char>::eof()) {
        file.clear();
        return 0;
    }
    return value & 0xFF;
}

bool IsRegularFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::status(path, error));
}

bool IsOneImageCursor(std::istream& file) {
    return HeaderByte(file, offsets::kImageCountLow) == 1 && HeaderByte(file, offsets::kResourceTypeLow) == 2;
}

}  // namespace iconfile
