#include "pelcor/picture_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "desktop/twips.h"
#include "pelcor/cell_geometry.h"

namespace pelcor {

void PictureBox::drawDot(const Dot& dot) {
    dots_.push_back(dot);
    update();
}

void PictureBox::repaintPicture() {
    dots_.clear();
    repaint();
}

QImage PictureBox::renderClean() {
    // Rendered at one image pixel per screen pixel of the layout, whatever the display's scale.
    QImage rendering(size(), QImage::Format_RGB32);
    rendering.fill(palette().color(QPalette::Window));
    hideDots_ = true;
    render(&rendering, QPoint(), QRegion(), QWidget::RenderFlags());
    hideDots_ = false;
    return rendering;
}

QRectF PictureBox::pictureArea() const {
    const double side = desktop::TwipsToPixelsExact(PictureBoxGeometry::kSide);
    return QRectF(0, 0, side, side);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    desktop::EnlargedPicture::paintEvent(event);
    if (hideDots_) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const Dot& dot : dots_) {
        const QRect square(qRound(dot.centre.x() - dot.width / 2.0), qRound(dot.centre.y() - dot.width / 2.0), dot.width,
                           dot.width);
        if (dot.invert) {
            painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            painter.fillRect(square, Qt::white);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        } else {
            painter.fillRect(square, dot.colour);
        }
    }
    if (hasFocus() && picture().width() > 0) {
        // Black outside, white inside: the frame shows on every colour of the picture.
        const double cell = pictureArea().width() / picture().width();
        const QRect frame = QRectF(cellCursor_.x() * cell, cellCursor_.y() * cell, cell, cell).toAlignedRect();
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(frame.adjusted(1, 1, -2, -2));
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (onPress) onPress(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    const int size = picture().width();
    QPoint moved = cellCursor_;
    switch (event->key()) {
        case Qt::Key_Left: moved.rx() -= 1; break;
        case Qt::Key_Right: moved.rx() += 1; break;
        case Qt::Key_Up: moved.ry() -= 1; break;
        case Qt::Key_Down: moved.ry() += 1; break;
        case Qt::Key_Space:
            if (onPickCell && size > 0) onPickCell(cellCursor_.x(), cellCursor_.y());
            return;
        default: return desktop::EnlargedPicture::keyPressEvent(event);
    }
    cellCursor_ = QPoint(std::clamp(moved.x(), 0, std::max(0, size - 1)), std::clamp(moved.y(), 0, std::max(0, size - 1)));
    update();
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    desktop::EnlargedPicture::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    desktop::EnlargedPicture::focusOutEvent(event);
    update();
}

QImage PictureFromBitmap(const BitmapPixels& pixels) {
    const int size = pixels.pictureSize;
    QImage picture(size, size, QImage::Format_RGB32);
    for (int row = 0; row < size; ++row)
        for (int column = 0; column < size; ++column)
            picture.setPixel(column, row, 0xFF000000u | ShownRgbAt(pixels, column, row));
    return picture;
}

}  // namespace pelcor
