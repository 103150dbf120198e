#include "iconfile/icon_encoder.h"

#include <algorithm>

#include "iconfile/little_endian.h"

namespace iconfile {

std::vector<std::uint8_t> Bitmap32Block(const RgbaPicture& picture) {
    const auto width = static_cast<std::size_t>(picture.width);
    const auto height = static_cast<std::size_t>(picture.height);
    const std::size_t colourBytes = 4 * width * height;
    const std::size_t maskRow = RowBytes(width);
    ImageBitmapHeader header;
    header.width = picture.width;
    header.height = 2 * picture.height;
    header.bitCount = 32;
    header.imageSize = static_cast<std::uint32_t>(colourBytes + height * maskRow);
    std::vector<std::uint8_t> block(ImageBlockLength(width, height, 32, 0), 0);
    const auto encoded = header.Encode();
    std::copy(encoded.begin(), encoded.end(), block.begin());
    std::uint8_t* colour = block.data() + ImageBitmapHeader::kSize;
    std::uint8_t* mask = colour + colourBytes;
    for (std::size_t stored = 0; stored < height; ++stored) {
        const std::size_t row = height - 1 - stored;  // bitmaps keep the bottom row first
        for (std::size_t column = 0; column < width; ++column) {
            const std::uint8_t* rgba = picture.rgba.data() + 4 * (row * width + column);
            std::uint8_t* bgra = colour + 4 * (stored * width + column);
            if (rgba[3] == 0) {
                mask[stored * maskRow + column / 8] |= static_cast<std::uint8_t>(0x80 >> (column % 8));
                continue;  // stays black
            }
            bgra[0] = rgba[2];
            bgra[1] = rgba[1];
            bgra[2] = rgba[0];
            bgra[3] = rgba[3];
        }
    }
    return block;
}

ContainerImage Bitmap32Image(const RgbaPicture& picture, int hotSpotX, int hotSpotY) {
    return {picture.width, picture.height, 0, 32, hotSpotX, hotSpotY, Bitmap32Block(picture)};
}

std::vector<std::uint8_t> EncodeContainer(IconFileKind kind, std::span<const ContainerImage> images) {
    IconFileHeader header;
    header.resourceType = static_cast<std::uint16_t>(kind);
    header.imageCount = static_cast<std::uint16_t>(images.size());
    std::vector<std::uint8_t> bytes;
    const auto append = [&bytes](std::span<const std::uint8_t> part) { bytes.insert(bytes.end(), part.begin(), part.end()); };
    append(header.Encode());
    std::size_t offset = IconFileHeader::kSize + IconDirEntry::kSize * images.size();
    const auto sideByte = [](int side) { return static_cast<std::uint8_t>(side >= kLargestImageSide ? 0 : side); };
    for (const ContainerImage& image : images) {
        IconDirEntry entry;
        entry.width = sideByte(image.width);
        entry.height = sideByte(image.height);
        entry.colorCount = image.colorCount;
        const bool cursor = kind == IconFileKind::Cursor;
        entry.planes = static_cast<std::uint16_t>(cursor ? image.hotSpotX : 1);
        entry.bitCount = static_cast<std::uint16_t>(cursor ? image.hotSpotY : image.bitCount);
        entry.imageSize = static_cast<std::uint32_t>(image.block.size());
        entry.imageOffset = static_cast<std::uint32_t>(offset);
        append(entry.Encode());
        offset += image.block.size();
    }
    for (const ContainerImage& image : images) append(image.block);
    return bytes;
}

std::vector<std::uint8_t> EncodeCursor(std::span<const CursorPicture> pictures) {
    std::vector<ContainerImage> images;
    for (const CursorPicture& picture : pictures)
        images.push_back(Bitmap32Image(picture.picture, picture.hotSpotX, picture.hotSpotY));
    return EncodeContainer(IconFileKind::Cursor, images);
}

}  // namespace iconfile
