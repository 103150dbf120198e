#pragma once
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "desktop/desktop_services.h"
#include "desktop/picture_loader.h"
#include "desktop/window_parts.h"
#include "pelcor/bitmap_pixels.h"
#include "pelcor/picture_box.h"
#include "desktop/window_timer.h"

namespace pelcor {

// The title of the refusal message: the program's about line.
extern const QString kAboutLine;
extern const QString kRefusalText;

// A label that reports clicks (the colour colourSwatches).
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent*) override {
        if (onClick) onClick();
    }
};

// A colour of the window: a value read from the screen, or the window-background system colour
// (no value), which never equals a colour read from the screen.
using ShownColour = std::optional<QRgb>;

class IconWindow : public desktop::ProgramWindow {
    Q_OBJECT
public:
    using PictureLoader = std::function<desktop::LoadedPicture(const QString&)>;

    // Checks the bitmap; on refusal shows the one message, ends the program and gives nothing.
    static std::unique_ptr<IconWindow> Open(const std::string& bitmapPath, std::string scratchPath,
                                            desktop::DesktopServices& services,
                                            const desktop::TimerFactory& timers = desktop::MakeQtWindowTimer,
                                            const PictureLoader& loader = desktop::LoadPicture);

    int pictureSize() const { return pictureSize_; }
    int pickColumn() const { return pickColumn_; }
    int pickRow() const { return pickRow_; }
    int clickX() const { return clickX_; }
    int clickY() const { return clickY_; }
    int transparencyOn() const { return transparencyOn_; }
    ShownColour transparentColour() const { return transparentColour_; }
    ShownColour previousColour() const { return previousColour_; }
    int penWidth() const { return penWidth_; }
    bool penInvert() const { return penInvert_; }
    QColor penColour() const;
    const std::string& scratchPath() const { return scratchPath_; }

    QLabel* instruction;
    PictureBox* pictureBox;
    QCheckBox* transparencyCheck;
    QLabel* transparentColourLabel;
    QPushButton* undoButton;
    QLabel* previousColourLabel;
    QLabel* markingLabel;
    std::array<ClickableLabel*, 8> colourSwatches{};
    QPushButton* okButton;
    QPushButton* cancelButton;
    std::array<QWidget*, 8> cornerMarks{};  // the marks at the picture's corners
    std::unique_ptr<desktop::WindowTimer> pickTimer, undoTimer, okDelayTimer;

private:
    IconWindow(std::string bitmapPath, std::string scratchPath, BitmapPixels pixels, desktop::DesktopServices& services,
               const desktop::TimerFactory& timers);

    void pictureClicked(QMouseEvent* event);
    // A pick at (x, y), twips from the picture's top-left corner.
    void pickAt(double x, double y);
    void pickTick();
    void undoTick();
    void okDelayTick();
    void undoClicked();
    void swatchClicked(int index);
    void BuildIcon();
    // The pixels of the picked colour, the icon's transparency mask and what the marks show.
    std::vector<bool> TransparentPixels() const;
    void MarkTransparentPixels(bool showUndo);
    void showColours();

    std::string bitmapPath_;
    std::string scratchPath_;
    BitmapPixels pixels_;
    int pictureSize_;
    int pickColumn_ = 0;
    int pickRow_ = 0;
    int clickX_ = 0;
    int clickY_ = 0;
    int transparencyOn_ = 0;
    int okDelayTicks_ = 0;
    ShownColour transparentColour_;
    ShownColour previousColour_;
    std::array<ShownColour, 8> swatchColours_{};
    ShownColour penColour_ = qRgb(0, 0, 0);
    bool penInvert_ = true;
    int penWidth_;
};

// The colour a rendering of `pictureBox` shows at (x, y), twips of the window's client area.
ShownColour ShownColourAt(const QImage& rendering, double x, double y);

}  // namespace pelcor
