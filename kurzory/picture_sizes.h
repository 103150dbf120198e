#pragma once
// The sizes a cursor holds, compared between the frames of an animation and named in refusals.
#include <string>
#include <vector>

#include "iconfile/image_check.h"

namespace kurzory {

struct PictureSize {
    int width = 0;
    int height = 0;
    auto operator<=>(const PictureSize&) const = default;
};

// Every size of a sound file, once, from the smallest.
std::vector<PictureSize> SizesOf(const iconfile::CheckedIconFile& checked);

// "16, 32, 48": a side each, or "16 × 32" for an oblong picture.
std::string SizesText(const std::vector<PictureSize>& sizes);

}  // namespace kurzory
