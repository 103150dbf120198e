#pragma once
#include <QCursor>
#include <QLineEdit>
#include <QPointer>
#include <memory>
#include <unordered_map>
#include <QWidget>

#include "animace/wizard/image_box.h"
#include "animace/wizard/wizard_animation.h"
#include "desktop/desktop_services.h"
#include "desktop/window_parts.h"
#include "desktop/window_timer.h"

class QLabel;
class QPushButton;

namespace animace {

// The finish step: a looping preview of the animation's steps, the output name and folder, and
// the writer. The timing window stays loaded (hidden) while this window is open: "<  &Zpět"
// shows it again.
class FinishStep : public desktop::ProgramWindow {
    Q_OBJECT
public:
    // Runs the window's load: warning, position at the timing window, command-line presets,
    // preview timer. `homeFolder` is the folder preset when the command line gives none.
    FinishStep(const WizardAnimation& animation, QWidget& timingWindow, desktop::DesktopServices& services,
               const QString& commandLine, QString homeFolder = DefaultFolder(),
               const desktop::TimerFactory& timers = desktop::MakeQtWindowTimer);
    // An open folder window goes with this window.
    ~FinishStep() override;

    // The user's home folder with a trailing separator.
    static QString DefaultFolder();

    // "&Dokončit": completes name and folder, writes, and on success ends the program.
    void finish();

    // The step the preview shows, from 1; 0 before the first tick.
    int previewStep() const { return previewStep_; }

    QLabel* heading;
    QLabel* instruction;
    ImageBox* preview;
    QLabel* nameLabel;
    QLineEdit* nameBox;
    QLabel* folderLabel;
    QLineEdit* folderBox;
    QPushButton* changeFolderButton;
    QLabel* undisplayableWarning;
    QPushButton* backButton;
    QPushButton* finishButton;
    QPushButton* cancelButton;
    std::unique_ptr<desktop::WindowTimer> previewTimer;
    std::unique_ptr<desktop::WindowTimer> endTimer;

private:
    void showNextStep();
    // Over the preview the pointer is the step's cursor, so the user feels the animation.
    void showStepPointer();
    void endTimerTick();
    void openFolderWindow();
    void backToTiming();

    const WizardAnimation& animation_;
    QPointer<QWidget> timingWindow_;
    QPointer<QWidget> folderWindow_;
    int previewStep_ = 0;
    bool endTimerArmed_ = false;  // the end timer has ticked once since the message
    std::unordered_map<qint64, QCursor> pointers_;  // by the frame picture's cacheKey
};

// The built-in picture of the preview before its first tick.
QPixmap PreviewStartPicture();

}  // namespace animace
