#pragma once
// The enlarged picture: painted cell by cell without smoothing into a square of exactly
// 3864 twips, with the marks it was asked to draw over it until it is repainted.
#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "desktop/window_parts.h"
#include "pelcor/bitmap_pixels.h"

namespace pelcor {

struct Dot {
    QPointF centre;  // pixels from the box's top-left corner
    QColor colour;
    bool invert;
    int width;
};

class PictureBox : public desktop::EnlargedPicture {
    Q_OBJECT
public:
    using desktop::EnlargedPicture::EnlargedPicture;

    void drawDot(const Dot& dot);
    // Repaints the picture at once; every mark goes.
    void repaintPicture();
    const std::vector<Dot>& dots() const { return dots_; }

    // The box as painted, without any mark: what "the colour shown at a point" is read from.
    QImage renderClean();

    std::function<void(QMouseEvent*)> onPress;
    // Space on the keyboard's cell: the cell's column and row.
    std::function<void(int, int)> onPickCell;
    // The cell the arrow keys have reached, framed while the box has the focus.
    QPoint cellCursor() const { return cellCursor_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Exactly 3864 twips square: a fraction of a pixel less than the box.
    QRectF pictureArea() const override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::vector<Dot> dots_;
    bool hideDots_ = false;
    QPoint cellCursor_{0, 0};
};

// The bitmap as a picture, from its own palette and pixel bytes.
QImage PictureFromBitmap(const BitmapPixels& pixels);

}  // namespace pelcor
