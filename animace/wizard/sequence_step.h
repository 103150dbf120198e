#pragma once
#include <QWidget>
#include <memory>

#include "animace/wizard/image_box.h"
#include "animace/wizard/picture_strip.h"
#include "animace/wizard/wizard_animation.h"
#include "desktop/desktop_services.h"

class QLabel;
class QPushButton;

namespace animace {

class CursorPicker;

// The sequence step: clicks on the frames above build the animation's steps, shown below.
class SequenceStep : public QWidget {
    Q_OBJECT
public:
    // Shows the animation's frames as the still-open cursor picker shows them, at its place.
    SequenceStep(WizardAnimation& animation, const CursorPicker& picker, desktop::DesktopServices& services);

    int frameCount() const { return frameCount_; }
    int stepCount() const { return animation_.stepCount(); }
    // The frame k and the step j pictures, from 1.
    ImageBox* frame(int k) const { return upper_->element(k); }
    ImageBox* step(int j) const { return lower_->element(j); }
    int shownStepPictures() const { return lower_->count(); }

    // The operations behind the buttons and the clicks on frames; frames are counted from 1.
    void appendStep(int frame);
    void appendEveryFrameOnce();
    void appendThereAndBack();
    void removeLastStep();
    void removeAllSteps();

    QLabel* instruction;
    QPushButton* removeLastButton;
    QPushButton* everyOnceButton;
    QPushButton* nextButton;
    QPushButton* cancelButton;
    QPushButton* helpButton;
    QPushButton* thereAndBackButton;
    QPushButton* removeAllButton;
    QScrollBar* frameScrollBar;
    QScrollBar* stepScrollBar;
    ImageBox* copyBox;  // hidden; carries each frame's picture from the picker into the strip

signals:
    // "&Další >": the timing step is to be opened.
    void nextRequested();

private:
    void leaveForTiming();

    WizardAnimation& animation_;
    desktop::DesktopServices& services_;
    std::unique_ptr<PictureStrip> upper_;
    std::unique_ptr<PictureStrip> lower_;
    int frameCount_ = 0;  // frames shown in the upper strip
};

}  // namespace animace
