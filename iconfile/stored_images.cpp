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

std::optional<std::vector<ContainerImage>> CursorImagesOf(std::span<const std::uint8_t> file,
                                                          const std::vector<CheckedImage>& kept,
                                                          const std::vector<std::pair<int, int>>& hotSpots,
                                                          const PngPixels& pngPixels, std::size_t& failed) {
    std::vector<ContainerImage> images;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (kept[i].encoding == ImageEncoding::Bitmap) {
            images.push_back(StoredImage(file, kept[i]));
        } else if (const std::optional<RgbaPicture> pixels = pngPixels(file, kept[i])) {
            images.push_back(Bitmap32Image(*pixels));
        } else {
            failed = i;
            return std::nullopt;
        }
        images.back().hotSpotX = hotSpots[i].first;
        images.back().hotSpotY = hotSpots[i].second;
    }
    return images;
}

}  // namespace iconfile
