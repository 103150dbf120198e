#pragma once
// The two headers at the start of a bitmap file. Each record knows its packed size and how to
// encode and decode itself, independent of the host's struct layout and byte order.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "iconfile/icon_records.h"

namespace pelcor {

struct BitmapFileHeader {
    static constexpr std::size_t kSize = 14;
    std::uint16_t type = 0x4D42;  // "BM"
    std::uint32_t fileSize = 0;
    std::uint16_t reserved1 = 0;
    std::uint16_t reserved2 = 0;
    std::uint32_t pixelOffset = 0;

    std::array<std::uint8_t, kSize> Encode() const;
    static BitmapFileHeader Decode(std::span<const std::uint8_t, kSize> bytes);
};

// The fields every information header of 40 bytes or more begins with: the same record as an
// icon image's header. The 108- and 124-byte versions only add colour-space fields after it,
// which a palette picture does not need. A negative height means the top row is stored first.
using BitmapInfoHeader = iconfile::ImageBitmapHeader;

inline constexpr std::uint32_t kCompressionNone = 0;
inline constexpr std::uint32_t kCompressionRle8 = 1;
inline constexpr std::uint32_t kCompressionRle4 = 2;

}  // namespace pelcor
