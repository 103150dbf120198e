#include "kurzory/decoded_cursor.h"

#include <algorithm>

#include "desktop/picture_loader.h"
#include "iconfile/inverted_pixels.h"
#include "iconfile/stored_images.h"

namespace kurzory {

std::optional<DecodedCursor> DecodeCursor(std::span<const std::uint8_t> bytes, std::string& fault) {
    const iconfile::CheckedIconFile checked = iconfile::CheckIconBytes(bytes);
    if (!checked.directory.opened() || !checked.directory.isCursor()) return std::nullopt;
    if (!checked.sound()) {
        fault = iconfile::FaultText(checked);
        return std::nullopt;
    }
    DecodedCursor cursor;
    cursor.sizes = SizesOf(checked);
    for (std::size_t index : iconfile::DeepestImagePerSize(checked)) {
        const iconfile::CheckedImage& image = checked.images[index];
        const desktop::LoadedPicture decoded = desktop::LoadIconImage(bytes, image);
        if (decoded.outcome != desktop::PictureLoadOutcome::Loaded) return std::nullopt;
        DecodedSize& made = cursor.images.emplace_back();
        made.picture = decoded.image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        // A hot spot outside the picture would make the pointer click beside itself.
        made.hotSpotX = std::clamp<int>(image.entry.hotSpotX(), 0, made.picture.width() - 1);
        made.hotSpotY = std::clamp<int>(image.entry.hotSpotY(), 0, made.picture.height() - 1);
        cursor.kept.push_back(image);
        if (image.encoding == iconfile::ImageEncoding::Bitmap)
            cursor.invertedPixels += iconfile::InvertedPixelCount(
                bytes.subspan(static_cast<std::size_t>(image.offset()), static_cast<std::size_t>(image.length())));
    }
    return cursor;
}

}  // namespace kurzory
