#pragma once
// The contact sheet of a set: every role at every size at its true pixels on a checkerboard, its
// hot spot marked, beside the role's Czech name. Needs a QGuiApplication for the lettering.
#include <QImage>

#include "kurzory/cursor_pictures.h"

namespace kurzory {

QImage ContactSheet(const CursorSet& set);

// The sheet's PNG bytes; empty when encoding fails.
std::vector<std::uint8_t> PngBytes(const QImage& image);

}  // namespace kurzory
