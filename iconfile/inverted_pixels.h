#pragma once
// Pixels of a bitmap image that change the screen under them instead of covering it: the AND mask
// keeps the screen and the colour, not black, is XORed onto it (black-and-white cursors invert
// with white). Formats of straight colour and alpha, such as X11's, cannot hold them.
#include <cstdint>
#include <span>

namespace iconfile {

// How many such pixels a bitmap block of 1, 4, 8 or 24 bits holds; 0 for a 32-bit image (its
// alpha rules), a PNG, or a block too short for what its header announces.
std::uint64_t InvertedPixelCount(std::span<const std::uint8_t> block);

}  // namespace iconfile
