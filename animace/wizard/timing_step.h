#pragma once
#include <QScrollBar>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

#include "animace/wizard/image_box.h"
#include "animace/wizard/picture_strip.h"
#include "animace/wizard/timing_steps.h"
#include "desktop/desktop_services.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace animace {

class Form2;

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
};

// The timing step: a slider and a time label under every step picture, and a common bound.
// It stays loaded, hidden, while the finish step and the writer read it.
class Form3 : public QWidget, public TimingSteps {
    Q_OBJECT
public:
    // Initialises itself from the still-open sequence step.
    Form3(const Form2& sequence, desktop::DesktopServices& services);

    int upperBound() const { return upperBound_; }
    ImageBox* Image1(int k) const { return strip_->element(k); }
    TimeSlider* VScroll1(int k) const { return sliders_.at(static_cast<std::size_t>(k)); }
    QLabel* Label2(int k) const { return labels_.at(static_cast<std::size_t>(k)); }

    void applyBound();
    void setAllToMaximum();

    QString undisplayableCaption() const override { return je; }
    QPoint windowPosition() const override { return pos(); }
    int stepCount() const override { return stepCount_; }
    QString timeCaption(int step) const override;
    QPixmap stepPicture(int step) const override;
    std::optional<QPoint> stepHotSpot(int step) const override;
    int displayTime(int step) const override;
    QStringList framePaths() const override { return List1; }
    QStringList sequence() const override { return List2; }
    void showAgain() override { show(); }

    QLabel* Label1;
    QScrollBar* HScroll1;
    QLabel* Label3;
    QLineEdit* Text1;
    QLabel* Label4;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    ImageBox* Image2;
    QStringList List1;
    QStringList List2;
    QString je = QStringLiteral("0");

signals:
    // "&Další >": the finish step is to be shown.
    void nextRequested();

private:
    bool isStep(int step) const { return step >= 1 && step <= stepCount_; }
    TimeSlider* makeSlider(int leftTwips);
    QLabel* makeTimeLabel(int leftTwips);
    void leaveForFinish();

    desktop::DesktopServices& services_;
    std::unique_ptr<PictureStrip> strip_;
    std::vector<TimeSlider*> sliders_;
    std::vector<QLabel*> labels_;
    int stepCount_ = 0;  // N
    int upperBound_ = 40;  // U, in twentieths of a second
};

}  // namespace animace
