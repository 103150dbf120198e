#include "kurzory/scratch_folder.h"

#include <cstdlib>

namespace kurzory {
namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
    std::error_code error;
    std::string pattern = (fs::temp_directory_path(error) / "kurzory-XXXXXX").string();
    if (!error && ::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
}

}  // namespace kurzory
