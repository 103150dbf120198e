#pragma once
// The pictures a set file names, loaded and checked: every cursor at every size wanted, the
// missing sizes scaled down from its largest picture.
#include <string>
#include <variant>
#include <vector>

#include "kurzory/cursor_pictures.h"
#include "kurzory/set_file.h"

namespace kurzory {

struct LoadedSet {
    CursorSet set;
    std::vector<std::string> notes;  // sizes left out because no picture is that large
};

// The loaded set, or one Czech line naming the set file's line of the first fault.
std::variant<LoadedSet, std::string> LoadSetPictures(const SetDescription& description);

}  // namespace kurzory
