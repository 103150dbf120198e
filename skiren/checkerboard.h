#pragma once
// The light two-tone ground under the enlarged icon, so its transparent parts read as
// transparent and the user sees where the icon ends.
#include <QColor>
#include <QPainter>
#include <QSize>

namespace skiren {

inline const QColor kCheckerLight{255, 255, 255};
inline const QColor kCheckerDark{204, 204, 204};

// Fills `area` (pixels from the painter's origin) with cells of one icon pixel each, or of 8
// pixels on an axis where an icon pixel is larger than that; `iconPixels` is the icon's size.
void PaintCheckerboard(QPainter& painter, QSize area, QSize iconPixels);

}  // namespace skiren
