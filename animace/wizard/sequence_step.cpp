#include "animace/wizard/sequence_step.h"

#include <QLabel>
#include <QPushButton>

#include "animace/number_text.h"
#include "animace/wizard/cursor_picker.h"
#include "animace/wizard/timing_step.h"
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
    const auto pitch = [this] { return Image2->widthTwips(); };
    upper_ = std::make_unique<PictureStrip>(
        this,
        StripLayout{{120, 1428, 5076, 780}, {132, 1452, 5040, 492}, {0, 0, 252, 492}, {132, 1932, 5052, 252},
                    {-480, 0, 492, 492}},
        QStringList{QStringLiteral("Shape1"), QStringLiteral("Panel3D1"), QStringLiteral("Panel3D2"),
                    QStringLiteral("HScroll1"), QStringLiteral("Image1")},
        pitch);
    HScroll1 = upper_->scrollBar();
    Command2 = MakeButton(this, QStringLiteral("Command2"), QStringLiteral("Každý &jednou"), 120, 2520, 1692, 372);
    Command1 = MakeButton(this, QStringLiteral("Command1"), QStringLiteral("U&mazat."), 3600, 2520, 1572, 372);
    Command6 = MakeButton(this, QStringLiteral("Command6"), QStringLiteral("&Tam a zpět"), 120, 3000, 1692, 372);
    Command7 = MakeButton(this, QStringLiteral("Command7"), QStringLiteral("Umaž &vše"), 3600, 3000, 1572, 372);
    lower_ = std::make_unique<PictureStrip>(
        this,
        StripLayout{{120, 3600, 5076, 780}, {132, 3624, 5040, 492}, {0, 0, 252, 492}, {132, 4104, 5052, 252},
                    {-480, 0, 492, 492}},
        QStringList{QStringLiteral("Shape2"), QStringLiteral("Panel3D3"), QStringLiteral("Panel3D4"),
                    QStringLiteral("HScroll2"), QStringLiteral("Image3")},
        pitch);
    HScroll2 = lower_->scrollBar();
    Command5 = MakeButton(this, QStringLiteral("Command5"), QStringLiteral("C&o dál?"), 132, 4680, 1452, 372);
    Command3 = MakeButton(this, QStringLiteral("Command3"), QStringLiteral("&Další >"), 2292, 4692, 1332, 372);
    Command4 = MakeButton(this, QStringLiteral("Command4"), QStringLiteral("Z&rušit"), 3852, 4680, 1332, 372);
    Command3->setEnabled(false);
    Image2 = new ImageBox(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(desktop::TwipsRect(5880, 240, 372, 612));
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
    while (a_ < frames) {
        ++a_;
        Image2->setPicture(picker.Image1(a_)->picture());
        const long long w = Image2->widthTwips();
        ImageBox* element = upper_->addPicture(Image2->picture(), w * a_ - w);
        connect(element, &ImageBox::clicked, this, [this, k = a_] { appendStep(k); });
        upper_->setStripWidthTwips(w * a_);
    }
    upper_->arrange();
    List1 = picker.List1;
    HScroll1->setValue(0);
    upper_->scroll();
}

void Form2::appendStep(int frame) {
    if (frame < 1 || frame > a_) return;
    List2 << QString::fromStdString(ShortNumberForm(frame));
    ++b_;
    const long long w = Image2->widthTwips();
    lower_->addPicture(upper_->element(frame)->picture(), w * b_ - w);
    lower_->setStripWidthTwips(w * b_);
    lower_->arrange();
    if (b_ > 1) Command3->setEnabled(true);
}

void Form2::appendEveryFrameOnce() {
    for (int k = 1; k <= a_; ++k) appendStep(k);
}

void Form2::appendThereAndBack() {
    for (int k = 1; k <= a_; ++k) appendStep(k);
    if (a_ != 2)
        for (int k = a_ - 1; k >= 2; --k) appendStep(k);
}

void Form2::removeLastStep() {
    if (b_ == 0) return services_.beep();
    --b_;
    lower_->removeLast();
    lower_->setStripWidthTwips(static_cast<long long>(Image2->widthTwips()) * b_);
    lower_->arrange();
    List2.removeLast();
    if (b_ < 2) Command3->setEnabled(false);
}

void Form2::removeAllSteps() {
    while (b_ != 0) removeLastStep();
}

void Form2::leaveForTiming() {
    if (b_ < 2) return;
    HScroll1->setMaximum(a_);
    HScroll2->setMaximum(b_);
    auto* next = new Form3(*this, services_);
    next->show();
    next->je = je;
    emit timingStepOpened(next);
    close();
}

}  // namespace animace
