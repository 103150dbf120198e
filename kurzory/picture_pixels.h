#pragma once
// Pictures as pixels, decoded by the toolkit's image reader: PNG files drawn elsewhere, handed to
// the container's encoder as straight RGBA, and the images inside icons and cursors.
#include <QImage>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "iconfile/icon_encoder.h"
#include "iconfile/image_check.h"

namespace kurzory {

// Whether the file starts with the PNG signature.
bool IsPngFile(const std::string& path);

// The pixels of any decoded picture as straight RGBA.
iconfile::RgbaPicture RgbaOf(const QImage& image);

// A square PNG of 1 to 256 pixels a side as straight RGBA; palette, grey, 16-bit and
// alpha-less pictures are converted. Otherwise the refusal line naming the file.
std::variant<iconfile::RgbaPicture, std::string> ReadSquarePng(const std::string& path);

// One sound image of a checked file, `file` being the bytes it was checked in, decoded as the
// desktop's picture loading decodes an icon of that image alone; nothing when it cannot be.
std::optional<QImage> DecodedImage(std::span<const std::uint8_t> file, const iconfile::CheckedImage& image);

}  // namespace kurzory
