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

}  // namespace desktop
