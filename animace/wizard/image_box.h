#pragma once
#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <optional>

namespace animace {

// Every image box of the wizard is one cell of 480 × 480 twips (32 pixels), whatever the size of
// the cursors: strips, pitches and sliders are laid out in these cells.
inline constexpr int kCellTwips = 480;

// An image box of one cell. It keeps the very picture object it was given (copies of one QPixmap
// share one picture object, cacheKey tells identity) and only paints it: at natural size, centred,
// when it fits the cell, otherwise scaled down smoothly to fit, aspect kept. A cursor's hot spot,
// when it has one, travels with the picture from box to box.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture, std::optional<QPoint> hotSpot = std::nullopt);
    // The picture of `other` with its hot spot.
    void showSameAs(const ImageBox& other) { setPicture(other.picture_, other.hotSpot_); }
    const QPixmap& picture() const { return picture_; }
    // Set for a cursor that could be shown; the error picture and built-in pictures have none.
    const std::optional<QPoint>& hotSpot() const { return hotSpot_; }
    bool hasPicture() const { return !picture_.isNull(); }
    bool showsSamePicture(const QPixmap& other) const;
    int widthTwips() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    std::optional<QPoint> hotSpot_;
    QPixmap scaled_;  // the picture fitted to the cell, made on the first paint that needs it
};

// The built-in error picture: NEZNÁM over FORMÁT in black on white, two red lines at the bottom.
QPixmap ErrorPicture();

}  // namespace animace
