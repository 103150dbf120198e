#include "desktop/window_parts.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace desktop {

QPushButton* PlaceButton(QWidget* parent, const QString& caption, const QString& name, int left, int top, int width,
                         int height) {
    auto* button = Place(new QPushButton(caption, parent), name, left, top, width, height);
    // Outside a dialog Qt leaves Enter to the window; the programs' users expect it to press.
    button->setAutoDefault(true);
    return button;
}

void SetBackground(QWidget* control, const QColor& colour) {
    control->setAutoFillBackground(true);
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, colour);
    control->setPalette(palette);
}

void EnlargedPicture::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    paintUnderPicture(painter);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawImage(pictureArea(), picture_);
}

void ProgramWindow::closeEvent(QCloseEvent* event) {
    services_.endProgram(0);
    event->accept();
}

void ProgramWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && cancelButton_) return cancelButton_->click();
    QWidget::keyPressEvent(event);
}

}  // namespace desktop
