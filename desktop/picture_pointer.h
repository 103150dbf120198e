#pragma once
// A picture tried as the mouse pointer.
#include <QCursor>
#include <QImage>
#include <QPoint>

namespace desktop {

// The pointer showing `picture` at one picture pixel per device-independent pixel, with its hot
// spot at `hotSpot` moved into the picture when it lies outside. A null picture gives the normal
// pointer.
QCursor PointerFromPicture(const QImage& picture, QPoint hotSpot);

}  // namespace desktop
