#include "pelcor/classic_image.h"

#include <algorithm>

#include "iconfile/icon_records.h"
#include "pelcor/bitmap_check.h"
#include "pelcor/bitmap_records.h"

namespace pelcor {
namespace {

constexpr std::size_t kPaletteBytes = kPaletteEntries * iconfile::PaletteEntry::kSize;

bool IsAcceptedSize(std::int64_t side) {
    return std::any_of(kAcceptedSizes.begin(), kAcceptedSizes.end(),
                       [side](const AcceptedSize& accepted) { return accepted.pictureSize == side; });
}

// The index of pixel `column` in a stored row of `bitCount`-bit pixels, leftmost in the high bits.
std::uint8_t IndexInRow(std::span<const std::uint8_t> row, int column, int bitCount) {
    const int bitOffset = column * bitCount;
    const std::uint8_t byte = row[static_cast<std::size_t>(bitOffset / 8)];
    const int shift = 8 - bitCount - bitOffset % 8;
    return static_cast<std::uint8_t>((byte >> shift) & ((1 << bitCount) - 1));
}

// Pixel rows, bottom row first, each `size` indices.
class RowsBottomUp {
public:
    explicit RowsBottomUp(std::span<std::uint8_t> pixels, int size) : pixels_(pixels), size_(size) {}
    // Pixels beyond the picture's edges are dropped: a run may not reach into the next row.
    void put(int column, int row, std::uint8_t index) {
        if (column >= 0 && row >= 0 && column < size_ && row < size_)
            pixels_[static_cast<std::size_t>(row) * static_cast<std::size_t>(size_) + static_cast<std::size_t>(column)] = index;
    }

private:
    std::span<std::uint8_t> pixels_;
    int size_;
};

bool DecodeUncompressed(std::span<const std::uint8_t> data, int size, int bitCount, bool topDown, RowsBottomUp rows) {
    const std::size_t stride = iconfile::RowBytes(static_cast<std::size_t>(size * bitCount));
    if (data.size() / stride < static_cast<std::size_t>(size)) return false;
    for (int stored = 0; stored < size; ++stored) {
        const std::span<const std::uint8_t> row = data.subspan(static_cast<std::size_t>(stored) * stride, stride);
        const int target = topDown ? size - 1 - stored : stored;
        for (int column = 0; column < size; ++column) rows.put(column, target, IndexInRow(row, column, bitCount));
    }
    return true;
}

// Runs, escapes for end of row, end of picture and a jump, and literal stretches padded to
// whole 16-bit words. Pixels a jump or an early end of row skips keep index 0.
bool DecodeRunLength(std::span<const std::uint8_t> data, int size, bool fourBit, RowsBottomUp rows) {
    const auto pixelOf = [fourBit](std::uint8_t value, int i) -> std::uint8_t {
        if (!fourBit) return value;
        return static_cast<std::uint8_t>(i % 2 == 0 ? value >> 4 : value & 0x0F);
    };
    std::size_t at = 0;
    int x = 0, y = 0;
    while (true) {
        // A stream that stops without its end mark is whole only once every row is done.
        if (data.size() - at < 2) return y >= size;
        const std::uint8_t count = data[at], value = data[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) rows.put(x++, y, pixelOf(value, i));
            continue;
        }
        if (value == 0) {
            x = 0, ++y;
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (data.size() - at < 2) return false;
            x += data[at], y += data[at + 1];
            at += 2;
        } else {
            const std::size_t bytes = fourBit ? (value + 1u) / 2u : value;
            if (data.size() - at < bytes) return false;
            for (int i = 0; i < value; ++i)
                rows.put(x++, y, pixelOf(data[at + static_cast<std::size_t>(fourBit ? i / 2 : i)], i));
            at = std::min(data.size(), at + bytes + bytes % 2);
        }
        // Jumps only ever move forward; far past the picture nothing more can be drawn.
        if (y > size) return true;
    }
}

}  // namespace

std::optional<ClassicImage> ClassicImageFromHeaders(std::span<const std::uint8_t> file) {
    if (file.size() < BitmapFileHeader::kSize + BitmapInfoHeader::kSize) return std::nullopt;
    const BitmapFileHeader fileHeader = BitmapFileHeader::Decode(file.first<BitmapFileHeader::kSize>());
    const BitmapInfoHeader info =
        BitmapInfoHeader::Decode(file.subspan(BitmapFileHeader::kSize).first<BitmapInfoHeader::kSize>());
    if (fileHeader.type != BitmapFileHeader{}.type) return std::nullopt;
    if (info.headerSize != 40 && info.headerSize != 108 && info.headerSize != 124) return std::nullopt;

    const std::int64_t side = info.width;
    const bool topDown = info.height < 0;
    if (!IsAcceptedSize(side) || (topDown ? -static_cast<std::int64_t>(info.height) : info.height) != side)
        return std::nullopt;
    const int size = static_cast<int>(side);
    const int bitCount = info.bitCount;
    const bool compressed = info.compression != kCompressionNone;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8) return std::nullopt;
    if (compressed && !(info.compression == kCompressionRle8 && bitCount == 8) &&
        !(info.compression == kCompressionRle4 && bitCount == 4))
        return std::nullopt;
    // Run-length data is stored bottom-up only; a top-down one is a broken file.
    if (compressed && topDown) return std::nullopt;

    const std::uint64_t paletteEntries = info.colorsUsed != 0 ? info.colorsUsed : 1u << bitCount;
    const std::uint64_t paletteOffset = BitmapFileHeader::kSize + info.headerSize;
    const std::uint64_t paletteEnd = paletteOffset + paletteEntries * iconfile::PaletteEntry::kSize;
    if (paletteEntries > kPaletteEntries || paletteEnd > fileHeader.pixelOffset || fileHeader.pixelOffset >= file.size())
        return std::nullopt;

    ClassicImage image;
    image.pictureSize = size;
    image.paletteAndPixels.assign(kPaletteBytes + static_cast<std::size_t>(size) * static_cast<std::size_t>(size), 0);
    std::copy(file.begin() + static_cast<std::ptrdiff_t>(paletteOffset), file.begin() + static_cast<std::ptrdiff_t>(paletteEnd),
              image.paletteAndPixels.begin());
    const RowsBottomUp rows(std::span(image.paletteAndPixels).subspan(kPaletteBytes), size);
    const std::span<const std::uint8_t> data = file.subspan(fileHeader.pixelOffset);
    const bool whole = compressed ? DecodeRunLength(data, size, bitCount == 4, rows)
                                  : DecodeUncompressed(data, size, bitCount, topDown, rows);
    if (!whole) return std::nullopt;
    return image;
}

}  // namespace pelcor
