#include "animace/wizard/icon_picture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include "iconfile/icon_records.h"

namespace animace {

desktop::LoadedPicture LoadIconPicture(const QString& path) {
    desktop::LoadedPicture loaded = desktop::LoadPicture(path);
    if (loaded.outcome != desktop::PictureLoadOutcome::ReaderError) return loaded;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestIconFile) return loaded;
    QByteArray bytes = file.readAll();
    constexpr qsizetype header = iconfile::IconFileHeader::kSize;
    constexpr qsizetype entrySize = iconfile::IconDirEntry::kSize;
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
    if (image.isNull() || image.width() == 0 || image.height() == 0) return {desktop::PictureLoadOutcome::Empty, {}};
    return {desktop::PictureLoadOutcome::Loaded, image};
}

}  // namespace animace
