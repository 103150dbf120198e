#include "pelcor/bitmap_pixels.h"

#include <fstream>
#include <span>

#include "iconfile/header_byte.h"
#include "pelcor/bitmap_check.h"

namespace pelcor {

std::optional<BitmapPixels> ReadBitmapPixels(const std::string& path, int pictureSize) {
    if (pictureSize <= 0 || pictureSize > 255 || !iconfile::IsRegularFile(path)) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    const std::size_t pixelCount = static_cast<std::size_t>(pictureSize) * static_cast<std::size_t>(pictureSize);
    std::vector<std::uint8_t> bytes(kPaletteEntries * iconfile::PaletteEntry::kSize + pixelCount);
    file.seekg(static_cast<std::streamoff>(kPaletteOffset));
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file || file.gcount() != static_cast<std::streamsize>(bytes.size())) return std::nullopt;

    BitmapPixels pixels;
    pixels.pictureSize = pictureSize;
    const std::span<const std::uint8_t> all(bytes);
    for (int i = 0; i < kPaletteEntries; ++i)
        pixels.palette[static_cast<std::size_t>(i)] = iconfile::PaletteEntry::Decode(
            all.subspan(static_cast<std::size_t>(i) * iconfile::PaletteEntry::kSize).first<iconfile::PaletteEntry::kSize>());
    pixels.rows.assign(bytes.begin() + kPaletteEntries * iconfile::PaletteEntry::kSize, bytes.end());
    return pixels;
}

}  // namespace pelcor
