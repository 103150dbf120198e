#include "pelcor/bitmap_records.h"

#include "iconfile/little_endian.h"

namespace pelcor {
using iconfile::ReadU16;
using iconfile::ReadU32;
using iconfile::WriteU16;
using iconfile::WriteU32;

std::array<std::uint8_t, BitmapFileHeader::kSize> BitmapFileHeader::Encode() const {
    std::array<std::uint8_t, kSize> bytes{};
    WriteU16(bytes, 0, type);
    WriteU32(bytes, 2, fileSize);
    WriteU16(bytes, 6, reserved1);
    WriteU16(bytes, 8, reserved2);
    WriteU32(bytes, 10, pixelOffset);
    return bytes;
}

BitmapFileHeader BitmapFileHeader::Decode(std::span<const std::uint8_t, kSize> bytes) {
    return {ReadU16(bytes, 0), ReadU32(bytes, 2), ReadU16(bytes, 6), ReadU16(bytes, 8), ReadU32(bytes, 10)};
}

}  // namespace pelcor
