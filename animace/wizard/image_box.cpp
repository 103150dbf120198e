#include "animace/wizard/image_box.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "desktop/twips.h"

namespace animace {

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {
    resize(desktop::TwipsSize(kCellTwips, kCellTwips));
}

void ImageBox::setPicture(const QPixmap& picture, std::optional<QPoint> hotSpot) {
    picture_ = picture;
    hotSpot_ = picture.isNull() ? std::nullopt : hotSpot;
    scaled_ = QPixmap();
    update();
}

bool ImageBox::showsSamePicture(const QPixmap& other) const {
    return !picture_.isNull() && !other.isNull() && picture_.cacheKey() == other.cacheKey();
}

int ImageBox::widthTwips() const { return desktop::PixelsToTwips(width()); }

void ImageBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    const QSize natural = picture_.deviceIndependentSize().toSize();
    if (natural.width() <= width() && natural.height() <= height()) {
        painter.drawPixmap((width() - natural.width()) / 2, (height() - natural.height()) / 2, picture_);
        return;
    }
    // Scaled once per picture with the toolkit's area-averaging reduction: a 128-pixel cursor
    // sampled straight onto 32 pixels would lose its thin lines.
    const qreal ratio = devicePixelRatioF();
    if (scaled_.isNull() || scaled_.devicePixelRatio() != ratio) {
        scaled_ = picture_.scaled((size() * ratio), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        scaled_.setDevicePixelRatio(ratio);
    }
    const QSize fitted = scaled_.deviceIndependentSize().toSize();
    painter.drawPixmap((width() - fitted.width()) / 2, (height() - fitted.height()) / 2, scaled_);
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
