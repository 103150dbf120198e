#pragma once
#include <QStringList>
#include <QWidget>
#include <memory>

#include "animace/wizard/image_box.h"
#include "animace/wizard/picture_strip.h"
#include "desktop/desktop_services.h"

class QLabel;
class QPushButton;

namespace animace {

class Form1;

// The sequence step: clicks on the frames above build the sequence of steps below.
class Form2 : public QWidget {
    Q_OBJECT
public:
    // Initialises itself from the still-open cursor picker.
    Form2(const Form1& picker, desktop::DesktopServices& services);

    int frameCount() const { return frameCount_; }
    int stepCount() const { return stepCount_; }
    ImageBox* Image1(int k) const { return upper_->element(k); }
    ImageBox* Image3(int j) const { return lower_->element(j); }
    int shownStepPictures() const { return lower_->count(); }

    // The operations behind the buttons and the clicks on frames.
    void appendStep(int frame);
    void appendEveryFrameOnce();
    void appendThereAndBack();
    void removeLastStep();
    void removeAllSteps();

    QLabel* Label1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command6;
    QPushButton* Command7;
    QScrollBar* HScroll1;
    QScrollBar* HScroll2;
    ImageBox* Image2;
    QStringList List1;
    QStringList List2;
    QString je = QStringLiteral("0");

signals:
    // "&Další >": the counts are stored and the timing step is to be opened.
    void nextRequested();

private:
    void leaveForTiming();

    desktop::DesktopServices& services_;
    std::unique_ptr<PictureStrip> upper_;
    std::unique_ptr<PictureStrip> lower_;
    int frameCount_ = 0;  // A
    int stepCount_ = 0;   // B
};

}  // namespace animace
