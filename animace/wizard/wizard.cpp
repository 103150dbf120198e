#include "animace/wizard/wizard.h"

#include "animace/wizard/cursor_picker.h"
#include "animace/wizard/finish_window.h"
#include "animace/wizard/sequence_step.h"
#include "animace/wizard/timing_step.h"

namespace animace {

Wizard::Wizard(QString commandLine, desktop::DesktopServices& services, QString temporaryFile, QStringList drives)
    : commandLine_(std::move(commandLine)),
      services_(services),
      picker_(std::make_unique<CursorPicker>(animation_, commandLine_, services_, std::move(temporaryFile),
                                             std::move(drives))) {
    connect(picker_.get(), &CursorPicker::nextRequested, this, &Wizard::openSequence);
}

Wizard::~Wizard() = default;

void Wizard::start() { picker_->show(); }

// Each next window copies the pictures from the still-open previous one, is shown, and only
// then does the previous one leave, so the program never stands without a window.
void Wizard::openSequence() {
    sequence_ = std::make_unique<SequenceStep>(animation_, *picker_, services_);
    connect(sequence_.get(), &SequenceStep::nextRequested, this, &Wizard::openTiming);
    sequence_->show();
    picker_->close();
}

void Wizard::openTiming() {
    timing_ = std::make_unique<TimingStep>(animation_, *sequence_, services_);
    connect(timing_.get(), &TimingStep::nextRequested, this, &Wizard::openFinish);
    timing_->show();
    sequence_->close();
}

void Wizard::openFinish() {
    // The finish window is loaded once; "<  &Zpět" and "&Další >" only show it again.
    if (!finish_) finish_ = std::make_unique<FinishStep>(animation_, *timing_, services_, commandLine_);
    finish_->show();
    timing_->hide();
}

}  // namespace animace
