#include "iconfile/regular_file.h"

namespace iconfile {

bool IsRegularFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::status(path, error));
}

}  // namespace iconfile
