#pragma once
// The palette and pixel indices of an accepted bitmap, read from the file's own bytes: what the
// window shows is then exactly what the icon will hold.
#include <array>
#include <filesystem>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "iconfile/file_outcome.h"
#include "iconfile/icon_records.h"
#include "pelcor/classic_image.h"

namespace pelcor {

struct BitmapPixels {
    int pictureSize = 0;
    std::array<iconfile::PaletteEntry, 256> palette{};
    std::vector<std::uint8_t> rows;  // as stored: bottom row first

    // Palette index of the pixel in `column`, `row` (row 0 at the top).
    std::uint8_t IndexAt(int column, int row) const {
        return rows[static_cast<std::size_t>((pictureSize - 1 - row) * pictureSize + column)];
    }
};

// Reads the classic image of the bitmap at `path`. A "BM" file the length table accepts gives
// its bytes from offset 54 as stored, whatever its headers claim; any other is read through its
// headers. A file Pelcor cannot take is a failure.
iconfile::FileOutcome ReadClassicImage(const std::filesystem::path& bitmapPath, ClassicImage& image);

// The classic image's palette and pixel rows into `bytes`, which is sized by the caller for the
// accepted picture size; a file that no longer gives that many is a failure.
iconfile::FileOutcome ReadPaletteAndPixels(const std::filesystem::path& bitmapPath, std::vector<std::uint8_t>& bytes);

// The transparency mask of a pick, the one rule for Pelcor's window and `kurzory ico`: one flag
// per pixel, row 0 (the top row) first, set where the pixel shows `rgb` (0xRRGGBB). Pixels are
// shown in their palette entry's red, green and blue, so entries of one colour go together.
std::vector<bool> PixelsOfColour(const BitmapPixels& pixels, std::uint32_t rgb);

// The colour pixel (column, row) shows, as 0xRRGGBB.
std::uint32_t ShownRgbAt(const BitmapPixels& pixels, int column, int row);

// The mask of a pick on the pixel at (column, row).
std::vector<bool> PixelsOfColourAt(const BitmapPixels& pixels, int column, int row);

// Reads palette and pixels of a bitmap already accepted as `pictureSize`; nothing when the file
// cannot be read that far.
std::optional<BitmapPixels> ReadBitmapPixels(const std::string& path, int pictureSize);

}  // namespace pelcor
