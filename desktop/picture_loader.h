#pragma once
#include <QImage>
#include <QString>

namespace desktop {

enum class PictureLoadOutcome {
    Loaded,
    Empty,        // the reader succeeded but gave no pixels
    ReaderError,  // the file could not be read or decoded
};

struct LoadedPicture {
    PictureLoadOutcome outcome = PictureLoadOutcome::ReaderError;
    QImage image;
};

// Loads an icon, a cursor stored as an icon, or a bitmap; the format is decided by content.
LoadedPicture LoadPicture(const QString& path);
// The same for a file's bytes already in memory.
LoadedPicture LoadPictureFromBytes(const QByteArray& bytes);

}  // namespace desktop
