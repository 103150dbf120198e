#include "skiren/checkerboard.h"

#include <QImage>

namespace skiren {
namespace {

constexpr int kLargestCell = 8;

struct AxisCells {
    int count;
    double extent;  // what the cells cover; may pass the area's end, which clips it
};

AxisCells CellsAlong(int area, int iconPixels) {
    if (iconPixels > 0 && area <= kLargestCell * iconPixels) return {iconPixels, static_cast<double>(area)};
    const int count = (area + kLargestCell - 1) / kLargestCell;
    return {count, static_cast<double>(count * kLargestCell)};
}

}  // namespace

void PaintCheckerboard(QPainter& painter, QSize area, QSize iconPixels) {
    if (area.isEmpty()) return;
    const AxisCells across = CellsAlong(area.width(), iconPixels.width());
    const AxisCells down = CellsAlong(area.height(), iconPixels.height());
    // One texel per cell, stretched like the icon itself, so cell edges fall on its pixel edges.
    QImage cells(across.count, down.count, QImage::Format_RGB32);
    for (int y = 0; y < down.count; ++y)
        for (int x = 0; x < across.count; ++x) cells.setPixel(x, y, ((x + y) % 2 ? kCheckerDark : kCheckerLight).rgb());
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), area), Qt::IntersectClip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRectF(0, 0, across.extent, down.extent), cells);
    painter.restore();
}

}  // namespace skiren
