#pragma once
// Any bitmap Pelcor takes becomes one picture in memory first: the classic 256-colour image, so
// the window, the builder and the blackening never see another layout.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pelcor {

struct ClassicImage {
    int pictureSize = 0;
    // 256 palette entries of 4 bytes (entries the file lacks are 0 0 0 0), then one palette index
    // per pixel, bottom row first: the bytes a classic bitmap holds from offset 54.
    std::vector<std::uint8_t> paletteAndPixels;
};

// Reads a whole bitmap file through its own header fields: an information header of 40, 108 or
// 124 bytes, 1, 4 or 8 bits per pixel, uncompressed or run-length encoded, rows in either order,
// square in one of the accepted sizes. Nothing for any other file, and for one whose fields
// point outside it or whose pixel data ends early.
std::optional<ClassicImage> ClassicImageFromHeaders(std::span<const std::uint8_t> file);

}  // namespace pelcor
