#include "iconfile/icon_records.h"

#include "iconfile/little_endian.h"

namespace iconfile {

std::array<std::uint8_t, IconFileHeader::kSize> IconFileHeader::Encode() const {
    std::array<std::uint8_t, kSize> bytes{};
    WriteU16(bytes, 0, reserved);
    WriteU16(bytes, 2, resourceType);
    WriteU16(bytes, 4, imageCount);
    return bytes;
}

IconFileHeader IconFileHeader::Decode(std::span<const std::uint8_t, kSize> bytes) {
    return {ReadU16(bytes, 0), ReadU16(bytes, 2), ReadU16(bytes, 4)};
}

std::array<std::uint8_t, IconDirEntry::kSize> IconDirEntry::Encode() const {
    std::array<std::uint8_t, kSize> bytes{};
    bytes[0] = width;
    bytes[1] = height;
    bytes[2] = colorCount;
    bytes[3] = reservedByte;
    WriteU16(bytes, 4, planes);
    WriteU16(bytes, 6, bitCount);
    WriteU32(bytes, 8, imageSize);
    WriteU32(bytes, 12, imageOffset);
    return bytes;
}

IconDirEntry IconDirEntry::Decode(std::span<const std::uint8_t, kSize> bytes) {
    return {bytes[0], bytes[1], bytes[2], bytes[3], ReadU16(bytes, 4), ReadU16(bytes, 6), ReadU32(bytes, 8),
            ReadU32(bytes, 12)};
}

std::array<std::uint8_t, ImageBitmapHeader::kSize> ImageBitmapHeader::Encode() const {
    std::array<std::uint8_t, kSize> bytes{};
    WriteU32(bytes, 0, headerSize);
    WriteU32(bytes, 4, static_cast<std::uint32_t>(width));
    WriteU32(bytes, 8, static_cast<std::uint32_t>(height));
    WriteU16(bytes, 12, planes);
    WriteU16(bytes, 14, bitCount);
    WriteU32(bytes, 16, compression);
    WriteU32(bytes, 20, imageSize);
    WriteU32(bytes, 24, static_cast<std::uint32_t>(xPixelsPerMeter));
    WriteU32(bytes, 28, static_cast<std::uint32_t>(yPixelsPerMeter));
    WriteU32(bytes, 32, colorsUsed);
    WriteU32(bytes, 36, colorsImportant);
    return bytes;
}

ImageBitmapHeader ImageBitmapHeader::Decode(std::span<const std::uint8_t, kSize> bytes) {
    ImageBitmapHeader h;
    h.headerSize = ReadU32(bytes, 0);
    h.width = static_cast<std::int32_t>(ReadU32(bytes, 4));
    h.height = static_cast<std::int32_t>(ReadU32(bytes, 8));
    h.planes = ReadU16(bytes, 12);
    h.bitCount = ReadU16(bytes, 14);
    h.compression = ReadU32(bytes, 16);
    h.imageSize = ReadU32(bytes, 20);
    h.xPixelsPerMeter = static_cast<std::int32_t>(ReadU32(bytes, 24));
    h.yPixelsPerMeter = static_cast<std::int32_t>(ReadU32(bytes, 28));
    h.colorsUsed = ReadU32(bytes, 32);
    h.colorsImportant = ReadU32(bytes, 36);
    return h;
}

}  // namespace iconfile
