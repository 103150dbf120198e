#pragma once
// The images of a checked icon or cursor as the write side takes them: one per size, their blocks
// copied as stored, so a cursor made of an icon keeps every pixel, mask and palette exactly.
#include <cstdint>
#include <span>
#include <vector>

#include "iconfile/icon_encoder.h"
#include "iconfile/image_check.h"

namespace iconfile {

// Indexes into `checked.images`: per size (width and height) the image of the most bits per
// pixel, the first of equals, at the place of that size's first image.
std::vector<std::size_t> DeepestImagePerSize(const CheckedIconFile& checked);

// The image's block as stored in `file`, the bytes `checked` was made of, with its size, palette
// entries and bit count for a new directory entry. The image must be sound.
ContainerImage StoredImage(std::span<const std::uint8_t> file, const CheckedImage& image);

}  // namespace iconfile
