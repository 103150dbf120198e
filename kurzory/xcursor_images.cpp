#include "kurzory/xcursor_images.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace kurzory {

XcursorImage* XcursorImageOf(const QImage& picture, int hotSpotX, int hotSpotY, int nominalSize, unsigned delay) {
    XcursorImage* image = XcursorImageCreate(picture.width(), picture.height());
    if (image == nullptr) return nullptr;
    image->size = static_cast<XcursorDim>(nominalSize);
    image->xhot = static_cast<XcursorDim>(hotSpotX);
    image->yhot = static_cast<XcursorDim>(hotSpotY);
    image->delay = delay;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(picture.constScanLine(y));
        std::copy_n(row, picture.width(), image->pixels + static_cast<std::ptrdiff_t>(y) * picture.width());
    }
    return image;
}

std::optional<std::vector<std::uint8_t>> XcursorFileBytes(const XcursorImages& images) {
    char* buffer = nullptr;
    std::size_t length = 0;
    std::FILE* stream = open_memstream(&buffer, &length);
    if (stream == nullptr) return std::nullopt;
    const bool saved = XcursorFileSaveImages(stream, &images);
    const bool closed = std::fclose(stream) == 0;
    std::optional<std::vector<std::uint8_t>> bytes;
    if (saved && closed) bytes.emplace(buffer, buffer + length);
    std::free(buffer);
    return bytes;
}

unsigned MillisecondsOfJiffies(std::uint32_t jiffies) {
    return static_cast<unsigned>((std::uint64_t{jiffies} * 1000 + 30) / 60);
}

}  // namespace kurzory
