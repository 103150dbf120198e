#include "kurzory/picture_sizes.h"

#include <algorithm>

#include "iconfile/stored_images.h"

namespace kurzory {

std::vector<PictureSize> SizesOf(const iconfile::CheckedIconFile& checked) {
    std::vector<PictureSize> sizes;
    for (std::size_t index : iconfile::DeepestImagePerSize(checked))
        sizes.push_back({checked.images[index].width, checked.images[index].height});
    std::sort(sizes.begin(), sizes.end());
    return sizes;
}

std::string SizesText(const std::vector<PictureSize>& sizes) {
    std::string text;
    for (const PictureSize& size : sizes) {
        if (!text.empty()) text += ", ";
        text += std::to_string(size.width);
        if (size.height != size.width) text += " × " + std::to_string(size.height);
    }
    return text;
}

}  // namespace kurzory
