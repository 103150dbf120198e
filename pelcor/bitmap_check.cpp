#include "pelcor/bitmap_check.h"

#include <fstream>

#include "iconfile/header_byte.h"

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

bool HasBitmapSignature(std::istream& file) {
    return iconfile::HeaderByte(file, 0) == 'B' && iconfile::HeaderByte(file, 1) == 'M';
}

std::optional<int> ValidateBitmap(const std::string& path) {
    if (path.empty() || !iconfile::IsRegularFile(path)) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    file.seekg(0, std::ios::end);
    const std::streamoff length = file.tellg();
    if (!file || length < 0) return std::nullopt;
    const std::optional<int> size = PictureSizeForLength(static_cast<std::uint64_t>(length));
    if (!size || !HasBitmapSignature(file)) return std::nullopt;
    return size;
}

}  // namespace pelcor
