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

ImageBox* MakeImageBox(QWidget* parent, const QString& name, int left, int top) {
    auto* box = new ImageBox(parent);
    box->setObjectName(name);
    box->move(desktop::TwipsPoint(left, top));
    return box;
}

ImageBox* MakeCopyBox(QWidget* parent, int left, int top) {
    ImageBox* box = MakeImageBox(parent, QStringLiteral("copyBox"), left, top);
    box->hide();
    return box;
}

std::tuple<QPushButton*, QPushButton*, QPushButton*> MakeStepButtons(QWidget* parent, const QString& firstName,
                                                                      const QString& firstCaption, QPoint first,
                                                                      QPoint next, QPoint cancel) {
    return {MakeButton(parent, firstName, firstCaption, first.x(), first.y(), 1452, 372),
            MakeButton(parent, QStringLiteral("nextButton"), QStringLiteral("&Další >"), next.x(), next.y(), 1332, 372),
            MakeButton(parent, QStringLiteral("cancelButton"), QStringLiteral("Z&rušit"), cancel.x(), cancel.y(), 1332, 372)};
}

void ConnectCancelAndHelp(QPushButton* cancelButton, QPushButton* helpButton, desktop::DesktopServices& services,
                          const QString& help) {
    QObject::connect(cancelButton, &QPushButton::clicked, cancelButton, [&services] { services.endProgram(0); });
    QObject::connect(helpButton, &QPushButton::clicked, helpButton, [&services, help] {
        services.showMessage(desktop::MessageIcon::Information, desktop::MessageButtons::Ok, help, QString());
    });
}

}  // namespace animace
