#pragma once
#include <QScrollBar>
#include <QWidget>
#include <memory>
#include <vector>

#include "animace/wizard/image_box.h"
#include "animace/wizard/picture_strip.h"
#include "animace/wizard/wizard_animation.h"
#include "desktop/desktop_services.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace animace {

class SequenceStep;

// A step's display-time slider: its top end is the bound U, its bottom end 1, so moving the
// thumb up lengthens the time. Held negated inside, since a scroll bar grows downwards.
class TimeSlider : public QScrollBar {
    Q_OBJECT
public:
    explicit TimeSlider(QWidget* parent = nullptr);
    int time() const { return -value(); }
    void setTime(int twentieths) { setValue(-twentieths); }
    int topEnd() const { return -minimum(); }
    // A time above the new top end comes down to it (and timeChanged follows).
    void setTopEnd(int twentieths) { setMinimum(-twentieths); }

signals:
    void timeChanged(int twentieths);

private:
    // A reader hears the time in seconds, not the negated twentieths the bar holds.
    void describeTime();
};

// The timing step: a slider and a time label under every step picture, and a common bound.
// Every slider writes its step's time into the animation. It stays loaded, hidden, while the
// finish step is open, which may show it again.
class TimingStep : public QWidget {
    Q_OBJECT
public:
    // Shows the animation's steps as the still-open sequence step shows them, at its place.
    TimingStep(WizardAnimation& animation, const SequenceStep& sequence, desktop::DesktopServices& services);

    int stepCount() const { return stepCount_; }
    int upperBound() const { return upperBound_; }
    // The step k's picture, slider and time label, from 1.
    ImageBox* step(int k) const { return strip_->element(k); }
    TimeSlider* timeSlider(int k) const { return sliders_.at(static_cast<std::size_t>(k)); }
    QLabel* timeLabel(int k) const { return labels_.at(static_cast<std::size_t>(k)); }

    void applyBound();
    void setAllToMaximum();

    QLabel* instruction;
    QScrollBar* stepScrollBar;
    QLabel* boundLabel;
    QLineEdit* boundBox;
    QLabel* secondsLabel;
    QPushButton* applyButton;
    QPushButton* maximumButton;
    QPushButton* nextButton;
    QPushButton* cancelButton;
    QPushButton* helpButton;
    ImageBox* copyBox;  // hidden; carries each step's picture from the sequence step into the strip

signals:
    // "&Další >": the finish step is to be shown.
    void nextRequested();

private:
    TimeSlider* makeSlider(int leftTwips);
    QLabel* makeTimeLabel(int leftTwips);
    void leaveForFinish();

    WizardAnimation& animation_;
    desktop::DesktopServices& services_;
    std::unique_ptr<PictureStrip> strip_;
    std::vector<TimeSlider*> sliders_;
    std::vector<QLabel*> labels_;
    int stepCount_ = 0;  // steps shown in the strip
    int upperBound_ = 40;  // the sliders' common top end, in twentieths of a second
};

}  // namespace animace
