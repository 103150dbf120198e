#pragma once
// A cursor as pictures in memory: every step of its animation (one for a still cursor), each with
// one picture per size and its own hot spot. Both the Windows and the X side are written from it.
#include <optional>
#include <string>
#include <vector>

#include "kurzory/cursor_roles.h"
#include "kurzory/decoded_cursor.h"

namespace kurzory {

using SizedPicture = DecodedSize;

struct CursorStep {
    std::vector<SizedPicture> pictures;  // ascending sizes, each once
    int jiffies = 0;                     // 1/60 s; 0 for a still cursor
};

struct RoleCursor {
    const CursorRole* role = nullptr;
    std::vector<CursorStep> steps;
    bool animated() const { return steps.size() > 1; }
};

struct CursorSet {
    std::string name;
    std::string comment;
    std::string inherits;
    std::vector<RoleCursor> cursors;  // in the order of the roles table
};

// Every picture of a cursor (.cur) or animated cursor (.ani) file, every size kept; nothing for a
// file that is neither or whose pictures do not decode.
std::optional<std::vector<CursorStep>> ReadCursorFilePictures(const std::string& path);

// The picture scaled down to `size` (never up) with an area-averaging filter on premultiplied
// pixels, so edges neither ring nor gain dark fringes; the hot spot follows the pixel it was on.
SizedPicture ScaledDown(const SizedPicture& picture, int size);

}  // namespace kurzory
