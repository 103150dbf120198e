#pragma once
#include <QString>

#include "desktop/picture_loader.h"

namespace animace {

// Far more than any cursor; a larger file is neither copied for the preview nor read into memory.
inline constexpr qint64 kLargestIconFile = 16 * 1024 * 1024;

// Loads a one-image icon file, also one made from a cursor (see LoadIconPictureFromBytes).
desktop::LoadedPicture LoadIconPicture(const QString& path);

}  // namespace animace
