#pragma once
// The window parts every program shares: controls placed in twips, coloured backgrounds, the
// enlarged picture without smoothing, and the program window that Esc and closing end.
#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

#include "desktop/desktop_services.h"
#include "desktop/twips.h"

class QPainter;
class QPushButton;

namespace desktop {

// Names a control and places it at a rectangle given in twips.
template <typename Control>
Control* Place(Control* control, const QString& name, int left, int top, int width, int height) {
    control->setObjectName(name);
    control->setGeometry(TwipsRect(left, top, width, height));
    return control;
}

// A button placed as above that Enter (or Return) presses while it has the focus, as Space does.
QPushButton* PlaceButton(QWidget* parent, const QString& caption, const QString& name, int left, int top, int width,
                         int height);

// Fills the control's background with `colour`.
void SetBackground(QWidget* control, const QColor& colour);

// The picture stretched over the widget (or the rectangle `pictureArea` gives), every cell
// painted in exactly its own colour: no smoothing.
class EnlargedPicture : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void setPicture(const QImage& picture) {
        picture_ = picture;
        update();
    }
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent*) override;
    // Where the picture is painted, in pixels of the widget.
    virtual QRectF pictureArea() const { return rect(); }
    // Paints what shows through the picture's transparent parts; nothing by default.
    virtual void paintUnderPicture(QPainter&) {}

private:
    QImage picture_;
};

// A program's main window: closing it ends the program, and Esc presses its cancel button.
class ProgramWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProgramWindow(DesktopServices& services, QWidget* parent = nullptr, Qt::WindowFlags flags = {})
        : QWidget(parent, flags), services_(services) {}

protected:
    // The button that Esc presses; none leaves Esc to the window's controls.
    void setCancelButton(QPushButton* button) { cancelButton_ = button; }
    DesktopServices& services() const { return services_; }

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    DesktopServices& services_;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace desktop
