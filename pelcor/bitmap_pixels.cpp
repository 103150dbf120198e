#include "pelcor/bitmap_pixels.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <span>

#include "iconfile/regular_file.h"
#include "iconfile/system_error_text.h"
#include "pelcor/bitmap_check.h"

namespace pelcor {
namespace {

iconfile::FileOutcome Failure(const std::filesystem::path& path, int errorNumber) {
    return iconfile::FileOutcome::FromErrno(path.string(), errorNumber != 0 ? errorNumber : EIO);
}

}  // namespace

iconfile::FileOutcome ReadClassicImage(const std::filesystem::path& bitmapPath, ClassicImage& image) {
    if (!iconfile::IsRegularFile(bitmapPath)) {
        std::error_code error;
        const bool exists = std::filesystem::exists(bitmapPath, error);
        return Failure(bitmapPath, exists ? iconfile::kNotARegularFile : ENOENT);
    }
    errno = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> bitmap(std::fopen(bitmapPath.c_str(), "rb"), &std::fclose);
    if (!bitmap) return Failure(bitmapPath, errno);
    errno = 0;
    if (std::fseek(bitmap.get(), 0, SEEK_END) != 0) return Failure(bitmapPath, errno);
    const long length = std::ftell(bitmap.get());
    if (length < 0) return Failure(bitmapPath, errno);
    const std::optional<int> tableSize = PictureSizeForLength(static_cast<std::uint64_t>(length));
    if (!tableSize && static_cast<std::uint64_t>(length) > kLargestReadBitmap) return Failure(bitmapPath, EFBIG);

    // The classic layout is read from offset 54 only; any other file is read whole.
    const std::size_t wanted = tableSize ? kPaletteOffset + kPaletteEntries * iconfile::PaletteEntry::kSize +
                                               static_cast<std::size_t>(*tableSize) * static_cast<std::size_t>(*tableSize)
                                         : static_cast<std::size_t>(length);
    std::vector<std::uint8_t> bytes(wanted);
    errno = 0;
    if (std::fseek(bitmap.get(), 0, SEEK_SET) != 0) return Failure(bitmapPath, errno);
    errno = 0;
    if (std::fread(bytes.data(), 1, bytes.size(), bitmap.get()) != bytes.size())
        return Failure(bitmapPath, std::ferror(bitmap.get()) ? errno : EIO);
    errno = 0;
    if (std::fclose(bitmap.release()) != 0) return Failure(bitmapPath, errno);

    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') return Failure(bitmapPath, EIO);
    if (tableSize) {
        image.pictureSize = *tableSize;
        image.paletteAndPixels.assign(bytes.begin() + kPaletteOffset, bytes.end());
        return iconfile::FileOutcome::Success();
    }
    std::optional<ClassicImage> decoded = ClassicImageFromHeaders(bytes);
    if (!decoded) return Failure(bitmapPath, EIO);
    image = std::move(*decoded);
    return iconfile::FileOutcome::Success();
}

iconfile::FileOutcome ReadPaletteAndPixels(const std::filesystem::path& bitmapPath, std::vector<std::uint8_t>& bytes) {
    ClassicImage image;
    if (iconfile::FileOutcome read = ReadClassicImage(bitmapPath, image); !read.succeeded()) return read;
    if (image.paletteAndPixels.size() != bytes.size()) return Failure(bitmapPath, EIO);
    bytes = std::move(image.paletteAndPixels);
    return iconfile::FileOutcome::Success();
}

std::optional<BitmapPixels> ReadBitmapPixels(const std::string& path, int pictureSize) {
    if (pictureSize <= 0 || pictureSize > 255) return std::nullopt;
    const std::size_t pixelCount = static_cast<std::size_t>(pictureSize) * static_cast<std::size_t>(pictureSize);
    std::vector<std::uint8_t> bytes(kPaletteEntries * iconfile::PaletteEntry::kSize + pixelCount);
    if (!ReadPaletteAndPixels(path, bytes).succeeded()) return std::nullopt;

    BitmapPixels pixels;
    pixels.pictureSize = pictureSize;
    const std::span<const std::uint8_t> all(bytes);
    for (int i = 0; i < kPaletteEntries; ++i)
        pixels.palette[static_cast<std::size_t>(i)] = iconfile::PaletteEntry::Decode(
            all.subspan(static_cast<std::size_t>(i) * iconfile::PaletteEntry::kSize).first<iconfile::PaletteEntry::kSize>());
    pixels.rows.assign(bytes.begin() + kPaletteEntries * iconfile::PaletteEntry::kSize, bytes.end());
    return pixels;
}

std::uint32_t ShownRgbAt(const BitmapPixels& pixels, int column, int row) {
    const iconfile::PaletteEntry& entry = pixels.palette[pixels.IndexAt(column, row)];
    return (std::uint32_t{entry.red} << 16) | (std::uint32_t{entry.green} << 8) | entry.blue;
}

std::vector<bool> PixelsOfColour(const BitmapPixels& pixels, std::uint32_t rgb) {
    std::vector<bool> flags;
    flags.reserve(static_cast<std::size_t>(pixels.pictureSize) * static_cast<std::size_t>(pixels.pictureSize));
    for (int y = 0; y < pixels.pictureSize; ++y)
        for (int x = 0; x < pixels.pictureSize; ++x) flags.push_back(ShownRgbAt(pixels, x, y) == rgb);
    return flags;
}

std::vector<bool> PixelsOfColourAt(const BitmapPixels& pixels, int column, int row) {
    return PixelsOfColour(pixels, ShownRgbAt(pixels, column, row));
}

}  // namespace pelcor
