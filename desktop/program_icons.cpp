#include "desktop/program_icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cmath>

namespace desktop {
namespace {

// Every picture is drawn on a 256 x 256 canvas and scaled; strokes keep at least one pixel.
constexpr qreal kCanvas = 256;

qreal Stroke(int size, qreal width) { return std::max(width, kCanvas / size); }

void Tile(QPainter& painter, QColor top, QColor bottom) {
    QLinearGradient gradient(0, 0, 0, kCanvas);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRoundedRect(QRectF(0, 0, kCanvas, kCanvas), 40, 40);
}

// The classic arrow pointer with its tip at `tip`, `height` units tall.
QPainterPath Arrow(QPointF tip, qreal height) {
    static const QPointF outline[] = {{0, 0}, {0, 15}, {3.6, 11.6}, {6.2, 17.4}, {8.6, 16.4}, {6.1, 10.8}, {10.8, 10.8}};
    QPainterPath path;
    const qreal scale = height / 17.4;
    path.moveTo(tip);
    for (const QPointF& point : outline) path.lineTo(tip + point * scale);
    path.closeSubpath();
    return path;
}

void PaintArrow(QPainter& painter, int size, QPointF tip, qreal height, QColor fill, QColor edge) {
    painter.setPen(QPen(edge, Stroke(size, 9), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(Arrow(tip, height));
}

// A line `width` canvas units wide, near `position`, moved so that it covers whole pixels.
struct CrispLine {
    qreal centre;
    qreal width;
};
CrispLine Crisp(int size, qreal position, qreal width) {
    const qreal pixels = std::max<qreal>(1, std::round(width * size / kCanvas));
    const qreal centre = std::floor(position * size / kCanvas) + (static_cast<int>(pixels) % 2 ? 0.5 : 0);
    return {centre * kCanvas / size, pixels * kCanvas / size};
}

// Skiren: an arrow whose tip sits where the two yellow hot-spot lines cross.
void PaintSkiren(QPainter& painter, int size) {
    Tile(painter, QColor(0x2f, 0x6f, 0xd8), QColor(0x12, 0x34, 0x86));
    const CrispLine vertical = Crisp(size, 80, 12);
    const CrispLine horizontal = Crisp(size, 68, 12);
    painter.setPen(QPen(QColor(0xff, 0xd8, 0x1a), vertical.width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(vertical.centre, 0), QPointF(vertical.centre, kCanvas));
    painter.drawLine(QPointF(0, horizontal.centre), QPointF(kCanvas, horizontal.centre));
    PaintArrow(painter, size, QPointF(vertical.centre, horizontal.centre), 180, Qt::white, Qt::black);
}

// Pelcor: a pixel star on a bitmap's one-colour ground, part of the ground turned transparent.
void PaintPelcor(QPainter& painter, int) {
    static const char* const kPixels[] = {
        "################", "#..............#", "#......**......#", "#......**......#",
        "#.....****.....#", "#.************.#", "#..**********..#", "#...********...#",
        "#....******....#", "#....******....#", "#...***..***...#", "#...**....**...#",
        "#..**......**..#", "#..*........*..#", "#..............#", "################"};
    const qreal cell = kCanvas / 16;
    for (int row = 0; row < 16; ++row) {
        for (int column = 0; column < 16; ++column) {
            QColor colour;
            switch (kPixels[row][column]) {
                case '#': colour = QColor(0x30, 0x30, 0x30); break;
                case '*': colour = QColor(0xff, 0xc4, 0x00); break;
                default:
                    if (row + column < 15) colour = QColor(0x2e, 0x9e, 0x3e);
                    else colour = (row / 2 + column / 2) % 2 ? QColor(0xc0, 0xc0, 0xc0) : QColor(Qt::white);
            }
            painter.fillRect(QRectF(column * cell, row * cell, cell, cell), colour);
        }
    }
}

// animace: a film strip whose frame shows a pointer leaving fainter copies of itself behind.
void PaintAnimace(QPainter& painter, int size) {
    Tile(painter, QColor(0x3a, 0x2c, 0x4e), QColor(0x1c, 0x14, 0x28));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf2, 0xe6, 0xc8));
    // On the 16-pixel grid of the smallest size, so the holes stay sharp.
    for (int hole = 0; hole < 4; ++hole) {
        const qreal left = 16 + hole * 64;
        painter.drawRoundedRect(QRectF(left, 16, 32, 32), 6, 6);
        painter.drawRoundedRect(QRectF(left, 208, 32, 32), 6, 6);
    }
    painter.setBrush(QColor(0xff, 0x9a, 0x2e));
    painter.drawRect(QRectF(0, 64, kCanvas, 128));
    painter.setOpacity(0.45);
    PaintArrow(painter, size, QPointF(64, 70), 116, Qt::white, Qt::black);
    painter.setOpacity(1.0);
    PaintArrow(painter, size, QPointF(136, 70), 116, Qt::white, Qt::black);
}

}  // namespace

bool PaintProgramIcon(QPainter& painter, const QString& desktopId, int size) {
    void (*paint)(QPainter&, int) = nullptr;
    if (desktopId == QLatin1String("cz.kurzory.Skiren")) paint = PaintSkiren;
    else if (desktopId == QLatin1String("cz.kurzory.Pelcor")) paint = PaintPelcor;
    else if (desktopId == QLatin1String("cz.kurzory.animace")) paint = PaintAnimace;
    if (!paint || size <= 0) return false;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kCanvas, size / kCanvas);
    paint(painter, size);
    painter.restore();
    return true;
}

QImage DrawProgramIcon(const QString& desktopId, int size) {
    if (size <= 0) return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    if (!PaintProgramIcon(painter, desktopId, size)) return {};
    return image;
}

QIcon ProgramIcon(const QString& desktopId) {
    QIcon icon;
    for (const int size : kProgramIconSizes) {
        const QImage image = DrawProgramIcon(desktopId, size);
        if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace desktop
