#include "desktop/picture_loader.h"

#include <QBuffer>
#include <QImageReader>

namespace desktop {
namespace {

LoadedPicture Read(QImageReader& reader) {
    reader.setDecideFormatFromContent(true);
    QImage image;
    if (!reader.read(&image)) return {PictureLoadOutcome::ReaderError, {}};
    if (image.isNull() || image.width() == 0 || image.height() == 0) return {PictureLoadOutcome::Empty, {}};
    return {PictureLoadOutcome::Loaded, image};
}

}  // namespace

LoadedPicture LoadPicture(const QString& path) {
    QImageReader reader(path);
    return Read(reader);
}

LoadedPicture LoadPictureFromBytes(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return {PictureLoadOutcome::ReaderError, {}};
    QImageReader reader(&buffer);
    return Read(reader);
}

LoadedPicture LoadIconPictureFromBytes(QByteArray bytes) {
    LoadedPicture loaded = LoadPictureFromBytes(bytes);
    if (loaded.outcome != PictureLoadOutcome::ReaderError) return loaded;
    constexpr qsizetype header = 6;
    constexpr qsizetype entrySize = 16;
    if (bytes.size() < header + entrySize) return loaded;
    const int count = static_cast<unsigned char>(bytes[4]) | static_cast<unsigned char>(bytes[5]) << 8;
    for (int i = 0; i < count && header + (i + 1) * entrySize <= bytes.size(); ++i) {
        const qsizetype entry = header + i * entrySize;
        bytes[entry + 4] = 1;  // planes
        bytes[entry + 5] = 0;
        bytes[entry + 6] = 0;  // bit count: taken from the bitmap header
        bytes[entry + 7] = 0;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    QImage image;
    if (!reader.read(&image)) return loaded;
    if (image.isNull() || image.width() == 0 || image.height() == 0) return {PictureLoadOutcome::Empty, {}};
    return {PictureLoadOutcome::Loaded, image};
}

}  // namespace desktop
