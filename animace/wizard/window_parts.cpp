#include "animace/wizard/window_parts.h"

#include "desktop/fonts.h"
#include "desktop/twips.h"

namespace animace {

void SetUpWizardWindow(QWidget* window, const QString& name) {
    window->setObjectName(name);
    window->setWindowTitle(QString::fromUtf8(kWizardTitle));
    window->setFixedSize(desktop::TwipsSize(5310, 5190));
    window->setFont(desktop::SansSerifFont(true));
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top, int width, int height) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(desktop::TwipsRect(left, top, width, height));
    return label;
}

QLabel* MakeInstruction(QWidget* parent, const QString& text, int left, int top, int width, int height) {
    QLabel* label = MakeLabel(parent, QStringLiteral("Label1"), text, left, top, width, height);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    label->setPalette(palette);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                        int height) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(desktop::TwipsRect(left, top, width, height));
    button->setAutoDefault(false);
    return button;
}

}  // namespace animace
