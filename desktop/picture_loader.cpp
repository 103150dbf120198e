#include "desktop/picture_loader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include "iconfile/icon_directory.h"

namespace desktop {
namespace {

LoadedPicture Read(QImageReader& reader) {
    QImage image;
    if (!reader.read(&image)) return {PictureLoadOutcome::ReaderError, {}};
    if (image.isNull() || image.width() == 0 || image.height() == 0) return {PictureLoadOutcome::Empty, {}};
    return {PictureLoadOutcome::Loaded, image};
}

}  // namespace

LoadedPicture LoadPicture(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const LoadedPicture loaded = Read(reader);
    if (loaded.outcome != PictureLoadOutcome::ReaderError) return loaded;
    const auto copy = iconfile::DecoderFriendlyCopy(QFile::encodeName(path).toStdString());
    if (!copy) return loaded;
    QByteArray bytes(reinterpret_cast<const char*>(copy->data()), static_cast<qsizetype>(copy->size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader retry(&buffer, "ico");
    return Read(retry);
}

}  // namespace desktop
