#include "pelcor/icon_header.h"

#include <algorithm>
#include <span>

#include "iconfile/icon_records.h"
#include "pelcor/transparency_mask.h"

namespace pelcor {
namespace {

// The fields that differ from size to size, written as the icons of these sizes always had them.
struct SizeFields {
    int pictureSize;
    std::uint16_t entryPlanes;
    std::uint16_t entryBitCount;
    std::uint32_t bitmapImageSize;
    std::uint32_t colorsUsed;
};

constexpr std::array<SizeFields, 6> kSizeFields{{{16, 0, 0, 320, 256},
                                                 {24, 1, 8, 0, 0},
                                                 {32, 0, 0, 1152, 256},
                                                 {48, 1, 8, 2688, 256},
                                                 {64, 0, 0, 0, 256},
                                                 {96, 0, 0, 0, 256}}};

}  // namespace

std::array<std::uint8_t, kIconHeaderLength> IconHeaderFor(int pictureSize) {
    const auto* fields = std::find_if(kSizeFields.begin(), kSizeFields.end(),
                                      [pictureSize](const SizeFields& f) { return f.pictureSize == pictureSize; });
    const SizeFields chosen = fields != kSizeFields.end() ? *fields : SizeFields{pictureSize, 1, 8, 0, 256};
    const auto size = static_cast<std::uint32_t>(pictureSize);

    iconfile::IconFileHeader header;
    iconfile::IconDirEntry entry;
    entry.width = entry.height = static_cast<std::uint8_t>(pictureSize);
    entry.planes = chosen.entryPlanes;
    entry.bitCount = chosen.entryBitCount;
    entry.imageSize = static_cast<std::uint32_t>(IconImageDataLength(pictureSize));
    entry.imageOffset = iconfile::IconFileHeader::kSize + iconfile::IconDirEntry::kSize;
    iconfile::ImageBitmapHeader bitmap;
    bitmap.width = static_cast<std::int32_t>(size);
    bitmap.height = static_cast<std::int32_t>(2 * size);
    bitmap.imageSize = chosen.bitmapImageSize;
    bitmap.colorsUsed = chosen.colorsUsed;

    const auto headerBytes = header.Encode();
    const auto entryBytes = entry.Encode();
    const auto bitmapBytes = bitmap.Encode();
    std::array<std::uint8_t, kIconHeaderLength> bytes{};
    auto out = std::copy(headerBytes.begin(), headerBytes.end(), bytes.begin());
    out = std::copy(entryBytes.begin(), entryBytes.end(), out);
    std::copy(bitmapBytes.begin(), bitmapBytes.end(), out);
    return bytes;
}

}  // namespace pelcor
