#include "animace/wizard/sequence_step.h"

#include <QLabel>
#include <QPushButton>

#include "animace/wizard/cursor_picker.h"
#include "animace/wizard/window_parts.h"
#include "desktop/twips.h"

namespace animace {
namespace {

// What "C&o dál?" answers.
constexpr char kHelp[] =
    "Vždyť na tom nic není! Stiskem obrázku kurzoru v horní části okna se tento kurzor "
    "zkopíruje do dolní části okna. V dolní části okna vznikne řetězec, který se pak bude "
    "postupně zobrazovat. Do výsledného souboru s animací se uloží každý obrázek jednou, bude "
    "se však moci volat vícekrát.\n\nTlačítko Každý jednou použijte, pokud mají kurzory "
    "následovat zasebou bez zvláštních přeskakování. Tlačítko Tam a zpět použijte, pokud se "
    "jedná o kývavý pohyb a kurzory se mají zobrazovat sem tam.";

}  // namespace

SequenceStep::SequenceStep(WizardAnimation& animation, const CursorPicker& picker, desktop::DesktopServices& services)
    : animation_(animation), services_(services) {
    SetUpWizardWindow(this, QStringLiteral("sequenceStep"));
    instruction = MakeInstruction(this,
                             QStringLiteral("Mačkejte myší kurzory v horním poli v tom pořadí, v jakém se mají "
                                            "zobrazovat. Samozřejmě můžete opakovaně použít stejný kurzor. (V tom je "
                                            "právě úspora místa!)"),
                             120, 120, 5064, 1212);
    upper_ = std::make_unique<PictureStrip>(
        this, StripLayout{{120, 1428, 5076, 780}, {132, 1452, 5040, 492}, {0, 0, 252, 492}, {132, 1932, 5052, 252}},
        QStringLiteral("frame"));
    frameScrollBar = upper_->scrollBar();
    upper_->setSpokenNames(QStringLiteral("Snímky"), QStringLiteral("Snímek"));
    everyOnceButton = MakeButton(this, QStringLiteral("everyOnceButton"), QStringLiteral("Každý &jednou"), 120, 2520, 1692, 372);
    removeLastButton = MakeButton(this, QStringLiteral("removeLastButton"), QStringLiteral("U&mazat."), 3600, 2520, 1572, 372);
    thereAndBackButton = MakeButton(this, QStringLiteral("thereAndBackButton"), QStringLiteral("&Tam a zpět"), 120, 3000, 1692, 372);
    removeAllButton = MakeButton(this, QStringLiteral("removeAllButton"), QStringLiteral("Umaž &vše"), 3600, 3000, 1572, 372);
    lower_ = std::make_unique<PictureStrip>(
        this, StripLayout{{120, 3600, 5076, 780}, {132, 3624, 5040, 492}, {0, 0, 252, 492}, {132, 4104, 5052, 252}},
        QStringLiteral("step"));
    stepScrollBar = lower_->scrollBar();
    lower_->setSpokenNames(QStringLiteral("Sled kroků"), QStringLiteral("Krok"));
    std::tie(helpButton, nextButton, cancelButton) = MakeStepButtons(
        this, QStringLiteral("helpButton"), QStringLiteral("C&o dál?"), {132, 4680}, {2292, 4692}, {3852, 4680});
    nextButton->setEnabled(false);
    copyBox = MakeCopyBox(this, 5880, 240);

    connect(everyOnceButton, &QPushButton::clicked, this, &SequenceStep::appendEveryFrameOnce);
    connect(thereAndBackButton, &QPushButton::clicked, this, &SequenceStep::appendThereAndBack);
    connect(removeLastButton, &QPushButton::clicked, this, &SequenceStep::removeLastStep);
    connect(removeAllButton, &QPushButton::clicked, this, &SequenceStep::removeAllSteps);
    connect(nextButton, &QPushButton::clicked, this, &SequenceStep::leaveForTiming);
    ConnectCancelAndHelp(cancelButton, helpButton, services_, QString::fromUtf8(kHelp));

    move(picker.pos());
    animation_.steps.clear();
    frameScrollBar->setMaximum(animation_.frameCount());
    while (frameCount_ < animation_.frameCount()) {
        ++frameCount_;
        copyBox->showSameAs(*picker.frame(frameCount_));
        ImageBox* element = upper_->append(*copyBox);
        connect(element, &ImageBox::clicked, this, [this, k = frameCount_] { appendStep(k); });
    }
    frameScrollBar->setValue(0);
    upper_->scroll();
}

void SequenceStep::appendStep(int frame) {
    if (frame < 1 || frame > frameCount_) return;
    animation_.steps.push_back({frame - 1, AnimationStep{}.twentieths});
    lower_->append(*upper_->element(frame));
    if (stepCount() > 1) nextButton->setEnabled(true);
}

void SequenceStep::appendEveryFrameOnce() {
    for (int k = 1; k <= frameCount_; ++k) appendStep(k);
}

void SequenceStep::appendThereAndBack() {
    for (int k = 1; k <= frameCount_; ++k) appendStep(k);
    if (frameCount_ != 2)
        for (int k = frameCount_ - 1; k >= 2; --k) appendStep(k);
}

void SequenceStep::removeLastStep() {
    if (stepCount() == 0) return services_.beep();
    lower_->removeLast();
    animation_.steps.pop_back();
    if (stepCount() < 2) nextButton->setEnabled(false);
}

void SequenceStep::removeAllSteps() {
    while (stepCount() != 0) removeLastStep();
}

void SequenceStep::leaveForTiming() {
    if (stepCount() < 2) return;
    frameScrollBar->setMaximum(frameCount_);
    stepScrollBar->setMaximum(stepCount());
    emit nextRequested();
}

}  // namespace animace
