#pragma once
// The wizard of animace: opens its four steps in turn, owns their windows to the end, and owns
// the animation they build together.
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "animace/wizard/drive_list_box.h"
#include "animace/wizard/wizard_animation.h"
#include "desktop/desktop_services.h"

namespace animace {

class CursorPicker;
class SequenceStep;
class TimingStep;
class FinishStep;

class Wizard : public QObject {
    Q_OBJECT
public:
    // `temporaryFile` is the cursor picker's preview copy, inside the private temp folder.
    Wizard(QString commandLine, desktop::DesktopServices& services, QString temporaryFile,
           QStringList drives = DriveListBox::SystemDrives());
    ~Wizard() override;

    // Shows the first step.
    void start();

    const WizardAnimation& animation() const { return animation_; }

    // The steps opened so far; a step closed or hidden stays here until the wizard ends.
    CursorPicker* picker() const { return picker_.get(); }
    SequenceStep* sequence() const { return sequence_.get(); }
    TimingStep* timing() const { return timing_.get(); }
    FinishStep* finish() const { return finish_.get(); }

private:
    void openSequence();
    void openTiming();
    void openFinish();

    QString commandLine_;
    desktop::DesktopServices& services_;
    WizardAnimation animation_;  // before the windows, which hold it to the end
    // In the order of the steps, so a later step, which reads the earlier ones, is deleted first.
    std::unique_ptr<CursorPicker> picker_;
    std::unique_ptr<SequenceStep> sequence_;
    std::unique_ptr<TimingStep> timing_;
    std::unique_ptr<FinishStep> finish_;
};

}  // namespace animace
