#pragma once
// What the finish step and the writer read from the timing window, which stays loaded (hidden)
// until the program ends. Steps are numbered from 1.
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

namespace animace {

class TimingSteps {
public:
    virtual ~TimingSteps() = default;

    virtual QString undisplayableCaption() const = 0;  // caption of the hidden label `je`
    virtual QPoint windowPosition() const = 0;         // left and top of the timing window
    virtual int stepCount() const = 0;
    virtual QString timeCaption(int step) const = 0;   // caption of `Label2`(step), in seconds
    virtual QPixmap stepPicture(int step) const = 0;   // picture of `Image1`(step)
    // The hot spot of that step's cursor; none when its picture is not a cursor that could be shown.
    virtual std::optional<QPoint> stepHotSpot(int step) const = 0;
    virtual int displayTime(int step) const = 0;       // value of `VScroll1`(step), in twentieths
    virtual QStringList framePaths() const = 0;        // hidden `List1`
    virtual QStringList sequence() const = 0;          // hidden `List2`
    virtual void showAgain() = 0;                      // "<  &Zpět" of the finish step
};

}  // namespace animace
