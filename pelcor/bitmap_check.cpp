#include "pelcor/bitmap_check.h"

#include "pelcor/bitmap_pixels.h"

namespace pelcor {

std::optional<int> PictureSizeForLength(std::uint64_t length) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        for (const AcceptedSize& accepted : kAcceptedSizes)
            if (accepted.fileLength == length) return accepted.pictureSize;
        if (length < 2) break;
        length -= 2;
    }
    return std::nullopt;
}

int PenWidthFor(int pictureSize) {
    for (const AcceptedSize& accepted : kAcceptedSizes)
        if (accepted.pictureSize == pictureSize) return accepted.penWidth;
    return kAcceptedSizes.front().penWidth;
}

std::optional<int> ValidateBitmap(const std::string& path) {
    if (path.empty()) return std::nullopt;
    ClassicImage image;
    if (!ReadClassicImage(path, image).succeeded()) return std::nullopt;
    return image.pictureSize;
}

}  // namespace pelcor
