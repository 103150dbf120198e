#pragma once
// The icon's transparency mask: one bit per pixel, rows bottom-up, each row padded to whole
// 32-bit words. While it is built it is held as text, one "1" or "0" per bit.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelcor {

// `pictureSize` rounded up to a multiple of 32.
int MaskRowBits(int pictureSize);

// Length of the icon's image data: bitmap header, palette, colour mask and transparency mask.
std::size_t IconImageDataLength(int pictureSize);

// The mask as text: the bit of pixel (column, row), row 0 at the top, at position
// MaskRowBits * (pictureSize - 1 - row) + column; padding bits are "0". `transparent` holds one
// flag per pixel, row 0 first.
std::string MaskCharacters(const std::vector<bool>& transparent, int pictureSize);

// Packs the text eight characters to a byte, the first character the most significant bit.
std::vector<std::uint8_t> PackMask(std::string_view characters);

}  // namespace pelcor
