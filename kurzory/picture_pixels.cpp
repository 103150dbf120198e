#include "kurzory/picture_pixels.h"

#include <QFile>
#include <QImageReader>
#include <cstring>
#include <fstream>

#include "desktop/picture_loader.h"
#include "iconfile/header_byte.h"
#include "iconfile/stored_images.h"
#include "kurzory/messages.h"

namespace kurzory {

bool IsPngFile(const std::string& path) {
    if (!iconfile::IsRegularFile(path)) return false;
    std::ifstream file(path, std::ios::binary);
    char signature[8] = {};
    return file.read(signature, 8) && std::memcmp(signature, "\x89PNG\r\n\x1a\n", 8) == 0;
}

iconfile::RgbaPicture RgbaOf(const QImage& image) {
    const QImage straight = image.convertToFormat(QImage::Format_RGBA8888);
    iconfile::RgbaPicture picture{straight.width(), straight.height(), {}};
    picture.rgba.reserve(4 * static_cast<std::size_t>(straight.width()) * static_cast<std::size_t>(straight.height()));
    for (int y = 0; y < straight.height(); ++y) {
        const uchar* row = straight.constScanLine(y);
        picture.rgba.insert(picture.rgba.end(), row, row + 4 * static_cast<std::ptrdiff_t>(straight.width()));
    }
    return picture;
}

std::variant<iconfile::RgbaPicture, std::string> ReadSquarePng(const std::string& path) {
    QImageReader reader(QFile::decodeName(path.c_str()), "png");
    reader.setAutoTransform(false);
    // The size is known before any pixel is decoded: a huge picture is refused unread.
    const QSize announced = reader.size();
    if (announced.isValid() && announced.width() != announced.height())
        return NotSquareText(path, announced.width(), announced.height());
    if (announced.isValid() && announced.width() > iconfile::kLargestImageSide)
        return PictureTooLargeText(path, announced.width());
    QImage image;
    if (!reader.read(&image) || image.isNull()) return UnreadablePictureText(path);
    if (image.width() != image.height()) return NotSquareText(path, image.width(), image.height());
    if (image.width() > iconfile::kLargestImageSide) return PictureTooLargeText(path, image.width());
    return RgbaOf(image);
}

std::optional<QImage> DecodedImage(std::span<const std::uint8_t> file, const iconfile::CheckedImage& image) {
    const iconfile::ContainerImage stored[1] = {iconfile::StoredImage(file, image)};
    const std::vector<std::uint8_t> icon = iconfile::EncodeContainer(iconfile::IconFileKind::Icon, stored);
    const desktop::LoadedPicture loaded =
        desktop::LoadPictureFromBytes(QByteArray(reinterpret_cast<const char*>(icon.data()), static_cast<qsizetype>(icon.size())));
    if (loaded.outcome != desktop::PictureLoadOutcome::Loaded) return std::nullopt;
    return loaded.image;
}

}  // namespace kurzory
