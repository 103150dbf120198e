#pragma once
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "desktop/desktop_services.h"
#include "desktop/picture_loader.h"
#include "desktop/window_parts.h"

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

class HotSpotEditor : public desktop::ProgramWindow {
    Q_OBJECT
public:
    using PictureLoader = std::function<desktop::LoadedPicture(const QString&)>;

    HotSpotEditor(std::string path, desktop::DesktopServices& services, PictureLoader loader = desktop::LoadPicture);

    // The hot spot the lines name now.
    int column() const;
    int row() const;
    int verticalLineLeftTwips() const { return svislyLeft_; }
    int horizontalLineTopTwips() const { return vodorovnyTop_; }

    QLabel* Label1;
    desktop::EnlargedPicture* Image1;
    LineLabel* svisly;
    LineLabel* vodorovny;
    QPushButton* Command1;
    QPushButton* Command2;
    std::array<QLabel*, 4> Label2{};
    std::array<QLabel*, 4> Label3{};
    QLabel* Label4;

private:
    void load(const PictureLoader& loader);
    void recoverWithPlaceholder();
    void refreshValues();
    void placeLines();
    void confirm();

    std::string path_;
    int iconWidth_ = 0;
    int iconHeight_ = 0;
    bool draggingVertical_ = false;
    bool draggingHorizontal_ = false;
    int svislyLeft_;
    int vodorovnyTop_;
};

// The placeholder shown for an icon the picture reader rejects.
QImage PlaceholderPicture();

}  // namespace skiren
