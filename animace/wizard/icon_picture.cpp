#include "animace/wizard/icon_picture.h"

#include <QFile>

namespace animace {

desktop::LoadedPicture LoadIconPicture(const QString& path) {
    desktop::LoadedPicture loaded = desktop::LoadPicture(path);
    if (loaded.outcome != desktop::PictureLoadOutcome::ReaderError) return loaded;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestIconFile) return loaded;
    return desktop::LoadIconPictureFromBytes(file.readAll());
}

}  // namespace animace
