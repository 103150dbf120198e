#include "desktop/picture_pointer.h"

#include <QPixmap>
#include <algorithm>

namespace desktop {

QCursor PointerFromPicture(const QImage& picture, QPoint hotSpot) {
    if (picture.isNull()) return QCursor(Qt::ArrowCursor);
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setDevicePixelRatio(1.0);
    return QCursor(pixmap, std::clamp(hotSpot.x(), 0, picture.width() - 1), std::clamp(hotSpot.y(), 0, picture.height() - 1));
}

}  // namespace desktop
