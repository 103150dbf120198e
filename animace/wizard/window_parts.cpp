#include "animace/wizard/window_parts.h"

#include "desktop/fonts.h"
#include "desktop/twips.h"
#include "desktop/window_parts.h"

namespace animace {

void SetUpWizardWindow(QWidget* window, const QString& name) {
    window->setObjectName(name);
    window->setWindowTitle(QString::fromUtf8(kWizardTitle));
    window->setFixedSize(desktop::TwipsSize(5310, 5190));
    window->setFont(desktop::SansSerifFont(true));
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top, int width, int height) {
    return desktop::Place(new QLabel(text, parent), name, left, top, width, height);
}

QLabel* MakeInstruction(QWidget* parent, const QString& text, int left, int top, int width, int height) {
    QLabel* label = MakeLabel(parent, QStringLiteral("instruction"), text, left, top, width, height);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    desktop::SetBackground(label, QColor(192, 192, 192));
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                        int height) {
    return desktop::PlaceButton(parent, caption, name, left, top, width, height);
}

}  // namespace animace
