#pragma once
#include <QCursor>
#include <QLineEdit>
#include <QPointer>
#include <memory>
#include <unordered_map>
#include <QWidget>

#include "animace/wizard/image_box.h"
#include "animace/wizard/timing_steps.h"
#include "desktop/desktop_services.h"
#include "desktop/window_parts.h"
#include "desktop/window_timer.h"

class QLabel;
class QPushButton;

namespace animace {

// The finish step: a looping preview of the steps, the output name and folder, and the writer.
// It reads the timing window, which stays loaded (hidden) while this window is open.
class Form4 : public desktop::ProgramWindow {
    Q_OBJECT
public:
    // Runs the window's load: warning flag, position, command-line presets, preview timer.
    // `homeFolder` is the folder preset when the command line gives none.
    Form4(TimingSteps& timing, desktop::DesktopServices& services, const QString& commandLine,
          QString homeFolder = DefaultFolder(), const desktop::TimerFactory& timers = desktop::MakeQtWindowTimer);
    // An open folder window goes with this window.
    ~Form4() override;

    // The user's home folder with a trailing separator; the root of drive C: on Windows.
    static QString DefaultFolder();

    // "&Dokončit": completes name and folder, writes, and on success ends the program.
    void finish();

    QLabel* Label2;
    QLabel* Label1;
    ImageBox* Image1;
    QLabel* Label3;
    QLineEdit* Text1;
    QLabel* Label4;
    QLineEdit* Text2;
    QPushButton* Command1;
    QLabel* Label5;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QString Label6 = QStringLiteral("0");
    std::unique_ptr<desktop::WindowTimer> Timer1;
    std::unique_ptr<desktop::WindowTimer> endtimer;

private:
    void timer1Tick();
    // Over the preview the pointer is the step's cursor, so the user feels the animation.
    void showStepPointer();
    void endtimerTick();
    void openFolderWindow();
    void backToTiming();

    TimingSteps& timing_;
    QPointer<QWidget> folderWindow_;
    std::unordered_map<qint64, QCursor> pointers_;  // by the frame picture's cacheKey
};

// The built-in picture of the preview before its first tick.
QPixmap PreviewStartPicture();

}  // namespace animace
