#pragma once
#include <QString>

#include "desktop/picture_loader.h"

namespace animace {

// Far more than any cursor; a larger file is neither copied for the preview nor read into memory.
inline constexpr qint64 kLargestIconFile = 16 * 1024 * 1024;

// Loads a one-image icon file, also one made from a cursor whose hot spot still stands in the
// directory entry's planes and bit-count fields: the toolkit's reader refuses planes above 1,
// where the desktop's own loader reads the image's bitmap header instead.
desktop::LoadedPicture LoadIconPicture(const QString& path);

}  // namespace animace
