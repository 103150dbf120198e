#pragma once
// The records of the icon and cursor container. Each record knows its packed size and how to
// encode and decode itself; nothing here depends on the host's struct layout or byte order.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace iconfile {

enum class IconFileKind : std::uint16_t { Icon = 1, Cursor = 2 };

struct IconFileHeader {
    static constexpr std::size_t kSize = 6;
    std::uint16_t reserved = 0;
    std::uint16_t resourceType = static_cast<std::uint16_t>(IconFileKind::Icon);
    std::uint16_t imageCount = 1;

    std::array<std::uint8_t, kSize> Encode() const;
    static IconFileHeader Decode(std::span<const std::uint8_t, kSize> bytes);
};

// In a cursor `planes` holds hotSpotX and `bitCount` holds hotSpotY.
struct IconDirEntry {
    static constexpr std::size_t kSize = 16;
    static constexpr std::size_t kFirstEntryOffset = IconFileHeader::kSize;
    std::uint8_t width = 0;
    std::uint8_t height = 0;
    std::uint8_t colorCount = 0;
    std::uint8_t reservedByte = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t imageOffset = 0;

    std::uint16_t hotSpotX() const { return planes; }
    std::uint16_t hotSpotY() const { return bitCount; }

    std::array<std::uint8_t, kSize> Encode() const;
    static IconDirEntry Decode(std::span<const std::uint8_t, kSize> bytes);
};

struct ImageBitmapHeader {
    static constexpr std::size_t kSize = 40;
    std::uint32_t headerSize = kSize;
    std::int32_t width = 0;
    std::int32_t height = 0;  // twice the image height: colour and transparency masks together
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 8;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::int32_t xPixelsPerMeter = 0;
    std::int32_t yPixelsPerMeter = 0;
    std::uint32_t colorsUsed = 0;
    std::uint32_t colorsImportant = 0;

    std::array<std::uint8_t, kSize> Encode() const;
    static ImageBitmapHeader Decode(std::span<const std::uint8_t, kSize> bytes);
};

struct PaletteEntry {
    static constexpr std::size_t kSize = 4;
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;

    std::array<std::uint8_t, kSize> Encode() const { return {blue, green, red, reserved}; }
    static PaletteEntry Decode(std::span<const std::uint8_t, kSize> b) { return {b[0], b[1], b[2], b[3]}; }
    bool operator==(const PaletteEntry&) const = default;
};

// The size a directory's width or height byte stands for: 0 is the format's way of writing 256.
constexpr int SizeFromDirectoryByte(int directoryByte) { return directoryByte == 0 ? 256 : directoryByte; }

// Bytes in one stored row of `bits` bits: rows are padded to whole 32-bit words.
constexpr std::size_t RowBytes(std::size_t bits) { return 4 * ((bits + 31) / 32); }

// Length of an image data block: header, palette, colour mask and transparency mask.
constexpr std::size_t ImageBlockLength(std::size_t width, std::size_t height, std::size_t bitCount,
                                       std::size_t paletteEntries) {
    return ImageBitmapHeader::kSize + PaletteEntry::kSize * paletteEntries + height * RowBytes(width * bitCount) +
           height * RowBytes(width);
}

// Offsets of the header bytes the suite reads or writes.
namespace offsets {
inline constexpr std::uint64_t kResourceTypeLow = 2;
inline constexpr std::uint64_t kImageCountLow = 4;
inline constexpr std::uint64_t kWidth = 6;
inline constexpr std::uint64_t kHeight = 7;
inline constexpr std::uint64_t kPlanesOrHotSpotXLow = 10;
inline constexpr std::uint64_t kBitCountOrHotSpotYLow = 12;
}  // namespace offsets

}  // namespace iconfile
