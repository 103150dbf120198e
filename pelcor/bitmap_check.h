#pragma once
// Which bitmaps Pelcor takes: the classic layout, told apart by file length and the "BM"
// signature alone, and the palette bitmaps common tools write, read through their headers.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace pelcor {

struct AcceptedSize {
    int pictureSize;
    std::uint64_t fileLength;  // file header, information header, 256-entry palette, one byte per pixel
    int penWidth;              // pixels, for the transparency marks
};

inline constexpr std::array<AcceptedSize, 6> kAcceptedSizes{{{16, 1334, 6},
                                                             {24, 1654, 6},
                                                             {32, 2102, 6},
                                                             {48, 3382, 4},
                                                             {64, 5174, 3},
                                                             {96, 10294, 2}}};

inline constexpr std::uint64_t kPaletteOffset = 54;
inline constexpr int kPaletteEntries = 256;
// No bitmap of the accepted sizes needs more; larger files are refused without being read.
inline constexpr std::uint64_t kLargestReadBitmap = 1u << 20;

// The picture size a file of `length` bytes holds; a file two bytes longer than a table length
// counts as that length.
std::optional<int> PictureSizeForLength(std::uint64_t length);

// The pen width of the marks for an accepted picture size.
int PenWidthFor(int pictureSize);

// The picture size of the bitmap at `path`, or nothing when Pelcor cannot take it. The file is
// only opened for reading; folders, FIFOs and devices are refused without being opened.
std::optional<int> ValidateBitmap(const std::string& path);

}  // namespace pelcor
