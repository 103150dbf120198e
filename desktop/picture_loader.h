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

// Loads an icon, a cursor stored as an icon, or a bitmap; the format is decided by content. An
// icon that the toolkit's reader refuses for its planes and bit-count fields (a cursor's hot spot
// still stands there) is read again from a copy with those fields cleared, as the desktop's own
// loader takes them from the image's bitmap header.
LoadedPicture LoadPicture(const QString& path);
// The same for a file's bytes already in memory, such as a frame inside an animated cursor.
LoadedPicture LoadPictureFromBytes(const QByteArray& bytes);

}  // namespace desktop
