#include "iconfile/inverted_pixels.h"

#include "iconfile/icon_records.h"

namespace iconfile {

std::uint64_t InvertedPixelCount(std::span<const std::uint8_t> block) {
    if (block.size() < ImageBitmapHeader::kSize) return 0;
    const ImageBitmapHeader header = ImageBitmapHeader::Decode(block.first<ImageBitmapHeader::kSize>());
    const int bits = header.bitCount;
    if (header.headerSize != ImageBitmapHeader::kSize || header.compression != 0 ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 24) || header.width <= 0 || header.width > 256 ||
        header.height <= 0 || header.height > 512)
        return 0;
    const auto width = static_cast<std::size_t>(header.width);
    const auto height = static_cast<std::size_t>(header.height / 2);
    const std::size_t paletteEntries =
        bits == 24 ? 0 : header.colorsUsed != 0 && header.colorsUsed < (1u << bits) ? header.colorsUsed : std::size_t{1} << bits;
    const std::size_t colourOffset = ImageBitmapHeader::kSize + PaletteEntry::kSize * paletteEntries;
    const std::size_t colourRow = RowBytes(width * static_cast<std::size_t>(bits));
    const std::size_t maskOffset = colourOffset + height * colourRow;
    const std::size_t maskRow = RowBytes(width);
    if (maskOffset + height * maskRow > block.size()) return 0;

    // Whether the colour at (column) of a stored colour row is anything but black.
    const auto coloured = [&](const std::uint8_t* row, std::size_t column) {
        if (bits == 24) return (row[3 * column] | row[3 * column + 1] | row[3 * column + 2]) != 0;
        const std::size_t bit = column * static_cast<std::size_t>(bits);
        const unsigned index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        if (index >= paletteEntries) return false;
        const std::uint8_t* entry = block.data() + ImageBitmapHeader::kSize + PaletteEntry::kSize * index;
        return (entry[0] | entry[1] | entry[2]) != 0;
    };
    std::uint64_t count = 0;
    for (std::size_t row = 0; row < height; ++row) {
        const std::uint8_t* colour = block.data() + colourOffset + row * colourRow;
        const std::uint8_t* mask = block.data() + maskOffset + row * maskRow;
        for (std::size_t column = 0; column < width; ++column)
            if ((mask[column / 8] >> (7 - column % 8) & 1) != 0 && coloured(colour, column)) ++count;
    }
    return count;
}

}  // namespace iconfile
