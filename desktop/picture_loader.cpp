#include "desktop/picture_loader.h"

#include <QImageReader>

namespace desktop {

LoadedPicture LoadPicture(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image;
    if (!reader.read(&image)) return {PictureLoadOutcome::ReaderError, {}};
    if (image.isNull() || image.width() == 0 || image.height() == 0) return {PictureLoadOutcome::Empty, {}};
    return {PictureLoadOutcome::Loaded, image};
}

}  // namespace desktop
