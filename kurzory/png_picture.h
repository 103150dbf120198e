#pragma once
// Pictures drawn elsewhere and exported as PNG, read with the toolkit's image reader and handed to
// the container's encoder as straight RGBA.
#include <string>
#include <variant>

#include "iconfile/icon_encoder.h"

namespace kurzory {

// Whether the file starts with the PNG signature.
bool IsPngFile(const std::string& path);

// A square PNG of 1 to 256 pixels a side as straight RGBA; palette, grey, 16-bit and
// alpha-less pictures are converted. Otherwise the refusal line naming the file.
std::variant<iconfile::RgbaPicture, std::string> ReadSquarePng(const std::string& path);

}  // namespace kurzory
