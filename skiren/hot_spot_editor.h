#pragma once
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "desktop/desktop_services.h"
#include "desktop/picture_loader.h"
#include "desktop/window_parts.h"
#include "iconfile/icon_encoder.h"
#include "iconfile/image_check.h"

namespace skiren {

// A label used as a draggable line; it hands its mouse events to the editor.
class LineLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    std::function<void(QMouseEvent*)> onPress, onMove, onRelease;

protected:
    void mousePressEvent(QMouseEvent* event) override { if (onPress) onPress(event); }
    void mouseMoveEvent(QMouseEvent* event) override { if (onMove) onMove(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { if (onRelease) onRelease(event); }
};

// The image box: the enlarged picture over a checkerboard that shows its transparent parts.
class StretchedPicture : public desktop::EnlargedPicture {
    Q_OBJECT
public:
    using desktop::EnlargedPicture::EnlargedPicture;

protected:
    void paintUnderPicture(QPainter& painter) override;
};

class HotSpotEditor : public desktop::ProgramWindow {
    Q_OBJECT
public:
    using PictureLoader = std::function<desktop::LoadedPicture(const QString&)>;

    HotSpotEditor(std::string path, desktop::DesktopServices& services, PictureLoader loader = desktop::LoadPicture);

    // The hot spot the lines name now.
    int column() const;
    int row() const;
    int verticalLineLeftTwips() const { return verticalLineLeft_; }
    int horizontalLineTopTwips() const { return horizontalLineTop_; }

    QLabel* instruction;
    StretchedPicture* enlargedPicture;
    LineLabel* verticalLine;
    LineLabel* horizontalLine;
    QPushButton* okButton;
    QPushButton* cancelButton;
    std::array<QLabel*, 4> valueNames{};
    std::array<QLabel*, 4> valueLabels{};
    QLabel* originNote;
    QWidget* pointerTrial;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load(const PictureLoader& loader);
    // Takes an icon of several images; false when one of them does not decode.
    bool loadEverySize(std::span<const std::uint8_t> bytes, const iconfile::CheckedIconFile& checked);
    void recoverWithPlaceholder();
    void refreshValues();
    void placeLines();
    void confirm();
    // Writes the cursor of every size of an icon of several, the hot spot scaled to each.
    void confirmEverySize();
    // Arrow keys step a line by one pixel, Home and End send it to either end; false for other keys.
    bool moveLineByKey(int key);

    std::string path_;
    int iconWidth_ = 0;
    int iconHeight_ = 0;
    bool draggingVertical_ = false;
    bool draggingHorizontal_ = false;
    int verticalLineLeft_;
    int horizontalLineTop_;
    bool iconLoaded_ = false;
    QPoint pointerHotSpot_{-1, -1};
    // An icon of several images: per size its deepest, ready for the cursor but for the hot spot;
    // the enlarged picture and the values show the largest. Empty for an icon of one image.
    std::vector<iconfile::ContainerImage> everySize_;
};

// The placeholder shown for an icon the picture reader rejects.
QImage PlaceholderPicture();

}  // namespace skiren
