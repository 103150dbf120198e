#include "animace/reader/loader_play.h"

#include <array>
#include <cstring>

#include "iconfile/little_endian.h"

namespace animace {
namespace {

// Reads only what lies inside the source: a model asks about bytes past the end on purpose.
bool ReadInside(ByteSource& source, std::uint64_t offset, std::span<std::uint8_t> into) {
    return offset <= source.Length() && into.size() <= source.Length() - offset && source.ReadAt(offset, into);
}

}  // namespace

std::optional<std::uint32_t> U32At(ByteSource& source, std::uint64_t offset) {
    std::array<std::uint8_t, 4> bytes{};
    if (!ReadInside(source, offset, bytes)) return std::nullopt;
    return iconfile::ReadU32(bytes, 0);
}

std::optional<std::uint16_t> U16At(ByteSource& source, std::uint64_t offset) {
    std::array<std::uint8_t, 2> bytes{};
    if (!ReadInside(source, offset, bytes)) return std::nullopt;
    return iconfile::ReadU16(bytes, 0);
}

bool FourCcAt(ByteSource& source, std::uint64_t offset, const char (&id)[5]) {
    std::array<std::uint8_t, 4> bytes{};
    return ReadInside(source, offset, bytes) && std::memcmp(bytes.data(), id, 4) == 0;
}

FramePicture InspectImage(ByteSource& source, std::uint64_t image, std::uint64_t available) {
    if (FourCcAt(source, image, "\x89PNG")) return FramePicture::Compressed;
    const std::optional<std::uint32_t> headerSize = U32At(source, image);
    const std::optional<std::uint32_t> width = U32At(source, image + 4);
    const std::optional<std::uint32_t> doubledHeight = U32At(source, image + 8);
    const std::optional<std::uint16_t> bits = U16At(source, image + 14);
    if (!headerSize || !width || !doubledHeight || !bits) return FramePicture::Damaged;
    if (*headerSize < 40 || *headerSize > 124 || *width == 0 || *width > 1024 || *doubledHeight == 0 ||
        *doubledHeight > 2048 || *bits == 0 || *bits > 32)
        return FramePicture::Garbage;
    const std::uint32_t usedColours = U32At(source, image + 32).value_or(0);
    const std::uint64_t paletteEntries = *bits <= 8 ? (usedColours != 0 ? usedColours : 1u << *bits) : 0;
    const std::uint64_t stride = 4 * ((std::uint64_t{*width} * *bits + 31) / 32);
    const std::uint64_t colourEnd = *headerSize + 4 * paletteEntries + stride * (*doubledHeight / 2);
    if (colourEnd > available) return FramePicture::Damaged;
    if (*bits == 1) {
        const std::uint32_t black = U32At(source, image + *headerSize).value_or(0) & 0xFFFFFFu;
        const std::uint32_t white = U32At(source, image + *headerSize + 4).value_or(0) & 0xFFFFFFu;
        if (black != 0 || white != 0xFFFFFFu) return FramePicture::TintedMono;
    }
    return FramePicture::Bitmap;
}

FramePicture InspectFramePicture(ByteSource& source, std::uint64_t offset, std::uint64_t length, int preferredSize) {
    const std::optional<std::uint16_t> count = U16At(source, offset + 4);
    if (!count) return FramePicture::Damaged;
    if (*count == 0) return FramePicture::NoImages;
    if (length < 6) return FramePicture::Damaged;
    if (6 + 16 * std::uint64_t{*count} > length) return FramePicture::Damaged;
    std::uint64_t entry = offset + 6;
    for (std::uint16_t i = 0; i < *count; ++i) {
        std::array<std::uint8_t, 1> width{};
        if (ReadInside(source, offset + 6 + 16 * std::uint64_t{i}, width) && (width[0] == 0 ? 256 : width[0]) == preferredSize) {
            entry = offset + 6 + 16 * std::uint64_t{i};
            break;
        }
    }
    const std::uint64_t imageOffset = U32At(source, entry + 12).value_or(0);
    if (imageOffset < length) return InspectImage(source, offset + imageOffset, length - imageOffset);
    // An image said to start past the frame's bytes: what lies there decides.
    if (!U32At(source, offset + imageOffset)) return FramePicture::Garbage;
    const FramePicture beyond = InspectImage(source, offset + imageOffset, 0);
    return beyond == FramePicture::Compressed ? FramePicture::Damaged : beyond;
}

}  // namespace animace
