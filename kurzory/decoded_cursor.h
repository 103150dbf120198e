#pragma once
// Every size of a cursor's bytes decoded to pixels, each image checked first: what the X11 export
// and the cursor sets read .cur files and the frames of .ani files with.
#include <QImage>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "iconfile/image_check.h"
#include "kurzory/picture_sizes.h"

namespace kurzory {

// One size of a cursor, decoded.
struct DecodedSize {
    QImage picture;  // premultiplied ARGB
    int hotSpotX = 0;
    int hotSpotY = 0;
    // The size X11 and the sets know it by: its longer side.
    int size() const { return std::max(picture.width(), picture.height()); }
};

// Every size of one cursor: per size its deepest image, in the cursor's order.
struct DecodedCursor {
    std::vector<DecodedSize> images;
    std::vector<iconfile::CheckedImage> kept;  // the directory's word on each
    std::vector<PictureSize> sizes;             // from the smallest
    std::uint64_t invertedPixels = 0;           // lost in X11's format, which has no XOR
};

// Decodes every size of a cursor's bytes as the wizard's preview decodes one: as an icon. A cursor
// whose images fail their check is not decoded; `fault` then tells what is wrong.
std::optional<DecodedCursor> DecodeCursor(std::span<const std::uint8_t> bytes, std::string& fault);

}  // namespace kurzory
