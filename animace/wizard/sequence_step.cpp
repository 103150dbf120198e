#include "animace/wizard/sequence_step.h"

#include <QLabel>
#include <QPushButton>

#include "animace/number_text.h"
#include "animace/wizard/cursor_picker.h"
#include "animace/wizard/window_parts.h"
#include "desktop/twips.h"

namespace animace {

Form2::Form2(const Form1& picker, desktop::DesktopServices& services) : services_(services) {
    SetUpWizardWindow(this, QStringLiteral("Form2"));
    Label1 = MakeInstruction(this,
                             QStringLiteral("Mačkejte myší kurzory v horním poli v tom pořadí, v jakém se mají "
                                            "zobrazovat. Samozřejmě můžete opakovaně použít stejný kurzor. (V tom je "
                                            "právě úspora místa!)"),
                             120, 120, 5064, 1212);
    upper_ = std::make_unique<PictureStrip>(
        this,
        StripLayout{{120, 1428, 5076, 780}, {132, 1452, 5040, 492}, {0, 0, 252, 492}, {132, 1932, 5052, 252}},
        QStringList{QStringLiteral("Shape1"), QStringLiteral("Panel3D1"), QStringLiteral("Panel3D2"),
                    QStringLiteral("HScroll1"), QStringLiteral("Image1")});
    HScroll1 = upper_->scrollBar();
    Command2 = MakeButton(this, QStringLiteral("Command2"), QStringLiteral("Každý &jednou"), 120, 2520, 1692, 372);
    Command1 = MakeButton(this, QStringLiteral("Command1"), QStringLiteral("U&mazat."), 3600, 2520, 1572, 372);
    Command6 = MakeButton(this, QStringLiteral("Command6"), QStringLiteral("&Tam a zpět"), 120, 3000, 1692, 372);
    Command7 = MakeButton(this, QStringLiteral("Command7"), QStringLiteral("Umaž &vše"), 3600, 3000, 1572, 372);
    lower_ = std::make_unique<PictureStrip>(
        this,
        StripLayout{{120, 3600, 5076, 780}, {132, 3624, 5040, 492}, {0, 0, 252, 492}, {132, 4104, 5052, 252}},
        QStringList{QStringLiteral("Shape2"), QStringLiteral("Panel3D3"), QStringLiteral("Panel3D4"),
                    QStringLiteral("HScroll2"), QStringLiteral("Image3")});
    HScroll2 = lower_->scrollBar();
    Command5 = MakeButton(this, QStringLiteral("Command5"), QStringLiteral("C&o dál?"), 132, 4680, 1452, 372);
    Command3 = MakeButton(this, QStringLiteral("Command3"), QStringLiteral("&Další >"), 2292, 4692, 1332, 372);
    Command4 = MakeButton(this, QStringLiteral("Command4"), QStringLiteral("Z&rušit"), 3852, 4680, 1332, 372);
    Command3->setEnabled(false);
    Image2 = new ImageBox(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->move(desktop::TwipsPoint(5880, 240));
    Image2->hide();

    connect(Command2, &QPushButton::clicked, this, &Form2::appendEveryFrameOnce);
    connect(Command6, &QPushButton::clicked, this, &Form2::appendThereAndBack);
    connect(Command1, &QPushButton::clicked, this, &Form2::removeLastStep);
    connect(Command7, &QPushButton::clicked, this, &Form2::removeAllSteps);
    connect(Command3, &QPushButton::clicked, this, &Form2::leaveForTiming);
    connect(Command4, &QPushButton::clicked, this, [this] { services_.endProgram(0); });
    connect(Command5, &QPushButton::clicked, this, [this] {
        services_.showMessage(
            desktop::MessageIcon::Information, desktop::MessageButtons::Ok,
            QStringLiteral("Vždyť na tom nic není! Stiskem obrázku kurzoru v horní části okna se tento kurzor "
                           "zkopíruje do dolní části okna. V dolní části okna vznikne řetězec, který se pak bude "
                           "postupně zobrazovat. Do výsledného souboru s animací se uloží každý obrázek jednou, bude "
                           "se však moci volat vícekrát.\n\nTlačítko Každý jednou použijte, pokud mají kurzory "
                           "následovat zasebou bez zvláštních přeskakování. Tlačítko Tam a zpět použijte, pokud se "
                           "jedná o kývavý pohyb a kurzory se mají zobrazovat sem tam."),
            QString());
    });

    move(picker.pos());
    HScroll1->setMaximum(picker.HScroll1->maximum());
    const int frames = std::min(HScroll1->maximum(), picker.frameCount());
    while (frameCount_ < frames) {
        ++frameCount_;
        Image2->showSameAs(*picker.Image1(frameCount_));
        ImageBox* element = upper_->append(*Image2);
        connect(element, &ImageBox::clicked, this, [this, k = frameCount_] { appendStep(k); });
    }
    List1 = picker.List1;
    HScroll1->setValue(0);
    upper_->scroll();
}

void Form2::appendStep(int frame) {
    if (frame < 1 || frame > frameCount_) return;
    List2 << QString::fromStdString(ShortNumberForm(frame));
    ++stepCount_;
    lower_->append(*upper_->element(frame));
    if (stepCount_ > 1) Command3->setEnabled(true);
}

void Form2::appendEveryFrameOnce() {
    for (int k = 1; k <= frameCount_; ++k) appendStep(k);
}

void Form2::appendThereAndBack() {
    for (int k = 1; k <= frameCount_; ++k) appendStep(k);
    if (frameCount_ != 2)
        for (int k = frameCount_ - 1; k >= 2; --k) appendStep(k);
}

void Form2::removeLastStep() {
    if (stepCount_ == 0) return services_.beep();
    --stepCount_;
    lower_->removeLast();
    List2.removeLast();
    if (stepCount_ < 2) Command3->setEnabled(false);
}

void Form2::removeAllSteps() {
    while (stepCount_ != 0) removeLastStep();
}

void Form2::leaveForTiming() {
    if (stepCount_ < 2) return;
    HScroll1->setMaximum(frameCount_);
    HScroll2->setMaximum(stepCount_);
    emit nextRequested();
}

}  // namespace animace
