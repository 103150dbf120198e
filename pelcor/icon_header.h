#pragma once
// The fixed 62 bytes in front of every icon Pelcor writes: file header, one directory entry and
// the image's bitmap header.
#include <array>
#include <cstddef>
#include <cstdint>

namespace pelcor {

inline constexpr std::size_t kIconHeaderLength = 62;

std::array<std::uint8_t, kIconHeaderLength> IconHeaderFor(int pictureSize);

}  // namespace pelcor
