#include "kurzory/contact_sheet.h"

#include <QBuffer>
#include <QPainter>
#include <set>

#include "desktop/fonts.h"
#include "skiren/checkerboard.h"

namespace kurzory {
namespace {

constexpr int kMargin = 12;
constexpr int kNameWidth = 260;
constexpr int kCellPadding = 10;  // room around a picture for the hot spot's marks
constexpr int kTitleHeight = 36;
constexpr int kHeaderHeight = 22;
const QColor kMark{220, 0, 60};

std::vector<int> AllSizes(const CursorSet& set) {
    std::set<int> sizes;
    for (const RoleCursor& cursor : set.cursors)
        for (const SizedPicture& picture : cursor.steps.front().pictures) sizes.insert(picture.size());
    return {sizes.begin(), sizes.end()};
}

QFont Lettering(int pixels, bool bold) {
    QFont font = desktop::SansSerifFont(bold);
    font.setPixelSize(pixels);
    return font;
}

// Ticks at the cell's edges on the hot spot's row and column, and a ring around its pixel: the
// picture itself stays untouched.
void MarkHotSpot(QPainter& painter, QPoint origin, const SizedPicture& picture, int cell) {
    const QPointF spot(origin.x() + picture.hotSpotX + 0.5, origin.y() + picture.hotSpotY + 0.5);
    const QPoint cellOrigin(origin.x() - (cell - picture.picture.width()) / 2, origin.y() - (cell - picture.picture.height()) / 2);
    painter.setPen(QPen(kMark, 1.5));
    const double tick = kCellPadding - 3;
    painter.drawLine(QPointF(spot.x(), cellOrigin.y()), QPointF(spot.x(), cellOrigin.y() + tick));
    painter.drawLine(QPointF(spot.x(), cellOrigin.y() + cell - tick), QPointF(spot.x(), cellOrigin.y() + cell));
    painter.drawLine(QPointF(cellOrigin.x(), spot.y()), QPointF(cellOrigin.x() + tick, spot.y()));
    painter.drawLine(QPointF(cellOrigin.x() + cell - tick, spot.y()), QPointF(cellOrigin.x() + cell, spot.y()));
    painter.setPen(QPen(kMark, 1));
    painter.drawEllipse(spot, 3.0, 3.0);
}

}  // namespace

QImage ContactSheet(const CursorSet& set) {
    const std::vector<int> sizes = AllSizes(set);
    std::vector<int> columnX;
    int width = kMargin + kNameWidth;
    for (int size : sizes) {
        columnX.push_back(width);
        width += size + 2 * kCellPadding + kMargin;
    }
    const int rowHeight = std::max(40, (sizes.empty() ? 0 : sizes.back()) + 2 * kCellPadding);
    const int height = kMargin + kTitleHeight + kHeaderHeight + static_cast<int>(set.cursors.size()) * (rowHeight + kMargin);
    QImage sheet(std::max(width, 480), height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setFont(Lettering(18, true));
    painter.drawText(QRect(kMargin, kMargin, sheet.width() - 2 * kMargin, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(set.name));
    painter.setFont(Lettering(12, false));
    int y = kMargin + kTitleHeight;
    for (std::size_t i = 0; i < sizes.size(); ++i)
        painter.drawText(QRect(columnX[i], y, sizes[i] + 2 * kCellPadding, kHeaderHeight), Qt::AlignCenter,
                         QStringLiteral("%1 px").arg(sizes[i]));
    y += kHeaderHeight;
    for (const RoleCursor& cursor : set.cursors) {
        painter.setPen(Qt::black);
        painter.setFont(Lettering(14, true));
        painter.drawText(QRect(kMargin, y, kNameWidth - kMargin, rowHeight / 2), Qt::AlignLeft | Qt::AlignBottom,
                         QString::fromUtf8(cursor.role->czechName.data(), cursor.role->czechName.size()));
        QString detail = QString::fromUtf8(cursor.role->windowsName.data(), cursor.role->windowsName.size());
        if (cursor.animated()) detail += QStringLiteral(", snímků: %1").arg(cursor.steps.size());
        painter.setPen(Qt::darkGray);
        painter.setFont(Lettering(12, false));
        painter.drawText(QRect(kMargin, y + rowHeight / 2, kNameWidth - kMargin, rowHeight / 2), Qt::AlignLeft | Qt::AlignTop,
                         detail);
        for (const SizedPicture& picture : cursor.steps.front().pictures) {
            const auto column = std::find(sizes.begin(), sizes.end(), picture.size()) - sizes.begin();
            const int cell = sizes[column] + 2 * kCellPadding;
            const QPoint cellOrigin(columnX[column], y + (rowHeight - cell) / 2);
            painter.save();
            painter.translate(cellOrigin);
            skiren::PaintCheckerboard(painter, QSize(cell, cell), QSize(cell / 4, cell / 4));
            painter.restore();
            const QPoint origin(cellOrigin.x() + (cell - picture.picture.width()) / 2,
                                cellOrigin.y() + (cell - picture.picture.height()) / 2);
            painter.drawImage(origin, picture.picture);
            MarkHotSpot(painter, origin, picture, cell);
        }
        y += rowHeight + kMargin;
    }
    return sheet;
}

std::vector<std::uint8_t> PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return {bytes.begin(), bytes.end()};
}

}  // namespace kurzory
