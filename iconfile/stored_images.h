#pragma once
// The images of a checked icon or cursor as the write side takes them: one per size, their blocks
// copied as stored, so a cursor made of an icon keeps every pixel, mask and palette exactly.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <utility>
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

// What a PNG image of a checked file decodes to; the container code itself decodes no PNG.
using PngPixels = std::function<std::optional<RgbaPicture>(std::span<const std::uint8_t> file, const CheckedImage& image)>;

// The images of a cursor made of the sound images `kept` of `file`, each with its hot spot
// (column, row): bitmaps as stored, PNG images as 32-bit bitmaps of what `pngPixels` gives, since
// some loaders (gdk-pixbuf) read no PNG inside a cursor. Nothing, and the place in `kept` of the
// image that would not decode in `failed`, when one does not.
std::optional<std::vector<ContainerImage>> CursorImagesOf(std::span<const std::uint8_t> file,
                                                          const std::vector<CheckedImage>& kept,
                                                          const std::vector<std::pair<int, int>>& hotSpots,
                                                          const PngPixels& pngPixels, std::size_t& failed);

}  // namespace iconfile
