#include "animace/wizard/image_box.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "desktop/twips.h"

namespace animace {

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {}

void ImageBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    if (!picture_.isNull()) resize(picture_.deviceIndependentSize().toSize());
    update();
}

bool ImageBox::showsSamePicture(const QPixmap& other) const {
    return !picture_.isNull() && !other.isNull() && picture_.cacheKey() == other.cacheKey();
}

int ImageBox::widthTwips() const { return desktop::PixelsToTwips(width()); }

void ImageBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

QPixmap ErrorPicture() {
    // Drawn once without antialiasing, so it keeps to a handful of the 16 standard colours.
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(9);
    font.setBold(true);
    font.setStretch(QFont::ExtraCondensed);
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 2, 32, 11), Qt::AlignCenter, QStringLiteral("NEZNÁM"));
    painter.drawText(QRect(0, 14, 32, 11), Qt::AlignCenter, QStringLiteral("FORMÁT"));
    painter.setPen(QColor(255, 0, 0));
    painter.drawLine(0, 28, 31, 28);
    painter.drawLine(0, 30, 31, 30);
    painter.end();
    return QPixmap::fromImage(picture);
}

}  // namespace animace
