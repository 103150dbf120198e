#include "kurzory/png_picture.h"

#include <QFile>
#include <QImageReader>
#include <cstring>
#include <fstream>

#include "desktop/picture_loader.h"
#include "iconfile/regular_file.h"
#include "kurzory/messages.h"

namespace kurzory {

bool IsPngFile(const std::string& path) {
    if (!iconfile::IsRegularFile(path)) return false;
    std::ifstream file(path, std::ios::binary);
    char signature[8] = {};
    return file.read(signature, 8) && std::memcmp(signature, "\x89PNG\r\n\x1a\n", 8) == 0;
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
    return desktop::RgbaOf(image);
}

}  // namespace kurzory
