#include "pelcor/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

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
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (onPress) onPress(event);
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
