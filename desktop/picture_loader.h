#pragma once
#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>

#include "iconfile/icon_encoder.h"
#include "iconfile/image_check.h"

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

// One sound image of a checked icon or cursor, `file` being the bytes it was checked in, loaded
// as an icon of that image alone is.
LoadedPicture LoadIconImage(std::span<const std::uint8_t> file, const iconfile::CheckedImage& image);

// A picture's pixels as straight RGBA, as the container's encoder takes them.
iconfile::RgbaPicture RgbaOf(const QImage& image);

// A PNG image of a checked file as straight RGBA, for the encoder's 32-bit bitmap of it; nothing
// when it does not decode to the size its directory gives.
std::optional<iconfile::RgbaPicture> RgbaOfIconImage(std::span<const std::uint8_t> file,
                                                     const iconfile::CheckedImage& image);

}  // namespace desktop
