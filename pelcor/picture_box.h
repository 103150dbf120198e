#pragma once
// The enlarged picture: painted cell by cell without smoothing into a square of exactly
// 3864 twips, with the marks it was asked to draw over it until it is repainted.
#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "pelcor/bitmap_pixels.h"

namespace pelcor {

struct Dot {
    QPointF centre;  // pixels from the box's top-left corner
    QColor colour;
    bool invert;
    int width;
};

class PictureBox : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void setPicture(const QImage& picture) { picture_ = picture; update(); }
    const QImage& picture() const { return picture_; }

    void drawDot(const Dot& dot);
    // Repaints the picture at once; every mark goes.
    void repaintPicture();
    const std::vector<Dot>& dots() const { return dots_; }

    // The box as painted, without any mark: what "the colour shown at a point" is read from.
    QImage renderClean();

    std::function<void(QMouseEvent*)> onPress;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    std::vector<Dot> dots_;
    bool hideDots_ = false;
};

// The bitmap as a picture, from its own palette and pixel bytes.
QImage PictureFromBitmap(const BitmapPixels& pixels);

}  // namespace pelcor
