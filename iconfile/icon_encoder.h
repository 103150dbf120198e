#pragma once
// The write side of the container: whole icon and cursor files of one or more images, each image
// stored as the caller gives its bytes or as a 32-bit bitmap made from RGBA pixels. Plain bytes
// in, plain bytes out; the caller writes them through a replacement file.
#include <cstdint>
#include <span>
#include <vector>

#include "iconfile/icon_records.h"

namespace iconfile {

// The largest side the container's one-byte width and height can name (0 stands for 256).
inline constexpr int kLargestImageSide = 256;

// A picture as straight (not premultiplied) RGBA, rows from the top: 4 bytes per pixel in the
// order red, green, blue, alpha.
struct RgbaPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

// One image of a container: the image block as stored and what its directory entry tells.
struct ContainerImage {
    int width = 0;   // 1 to 256
    int height = 0;  // 1 to 256
    std::uint8_t colorCount = 0;  // palette entries below 256, else 0
    std::uint16_t bitCount = 32;  // written into an icon's entry; a cursor's entry holds hotSpotY there
    int hotSpotX = 0;             // cursor only
    int hotSpotY = 0;
    std::vector<std::uint8_t> block;  // bitmap header, palette, colour mask and AND mask (or a PNG)
};

// The block of a 32-bit bitmap of `picture`: BGRA rows from the bottom, then an AND mask whose bit
// is set for every fully transparent pixel. Such pixels are stored black, so a loader that
// ignores the alpha and uses the mask leaves the screen under them untouched. The picture must
// hold width * height * 4 bytes.
std::vector<std::uint8_t> Bitmap32Block(const RgbaPicture& picture);

// `picture` as a 32-bit image of a container, with a cursor's hot spot.
ContainerImage Bitmap32Image(const RgbaPicture& picture, int hotSpotX = 0, int hotSpotY = 0);

// The whole file: header, one directory entry per image and the blocks, in the order given. An
// icon's entries hold 1 plane and the image's bit count; a cursor's the hot spot.
std::vector<std::uint8_t> EncodeContainer(IconFileKind kind, std::span<const ContainerImage> images);

// A picture of a cursor with its hot spot (column, row from the top-left corner).
struct CursorPicture {
    RgbaPicture picture;
    int hotSpotX = 0;
    int hotSpotY = 0;
};

// A cursor of one 32-bit image per picture, in the order given: the multi-size cursor that
// loaders pick their size from. Every picture must be 1 to 256 pixels on each side with its
// hot spot inside.
std::vector<std::uint8_t> EncodeCursor(std::span<const CursorPicture> pictures);

}  // namespace iconfile
