#include "iconfile/stored_images.h"

namespace iconfile {

std::vector<std::size_t> DeepestImagePerSize(const CheckedIconFile& checked) {
    std::vector<std::size_t> chosen;
    for (std::size_t i = 0; i < checked.images.size(); ++i) {
        const CheckedImage& image = checked.images[i];
        bool sizeSeen = false;
        for (std::size_t& kept : chosen) {
            const CheckedImage& other = checked.images[kept];
            if (other.width != image.width || other.height != image.height) continue;
            sizeSeen = true;
            if (image.bitCount > other.bitCount) kept = i;
        }
        if (!sizeSeen) chosen.push_back(i);
    }
    return chosen;
}

ContainerImage StoredImage(std::span<const std::uint8_t> file, const CheckedImage& image) {
    const auto block = file.subspan(static_cast<std::size_t>(image.offset()), static_cast<std::size_t>(image.length()));
    ContainerImage stored;
    stored.width = image.width;
    stored.height = image.height;
    stored.colorCount = image.entry.colorCount;
    stored.bitCount = static_cast<std::uint16_t>(image.bitCount);
    stored.block.assign(block.begin(), block.end());
    return stored;
}

}  // namespace iconfile
