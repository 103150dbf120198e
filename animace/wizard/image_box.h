#pragma once
#include <QPixmap>
#include <QWidget>

namespace animace {

// An image box that takes the size of its picture. Copies of one QPixmap share one picture
// object, so every box showing a frame shows the very same picture (cacheKey tells identity).
// An empty picture leaves the box at its last size.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
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
};

// The built-in error picture: NEZNÁM over FORMÁT in black on white, two red lines at the bottom.
QPixmap ErrorPicture();

}  // namespace animace
