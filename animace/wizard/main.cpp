#include <QApplication>
#include <QFile>
#include <QPointer>

#include "animace/wizard/animace_program.h"
#include "animace/wizard/cursor_picker.h"
#include "animace/wizard/sequence_step.h"
#include "animace/wizard/timing_step.h"
#include "desktop/command_line.h"
#include "desktop/private_temp_folder.h"
#include "desktop/qt_desktop_services.h"
#include "desktop/termination_signals.h"

int main(int argc, char** argv) {
    const desktop::TerminationSignals termination;  // first, so it ends the program last
    if (const std::optional<int> status = desktop::EndBeforeWindows(argc, argv, animace::kProgram)) return *status;
    const QString commandLine = QFile::decodeName(QByteArray::fromStdString(desktop::CommandLineText(argc, argv)));
    QApplication application(argc, argv);
    desktop::JoinDesktop(animace::kProgram);
    desktop::QtDesktopServices services(QStringLiteral("Tarvelo"));
    const desktop::PrivateTempFolder temporary;
    auto* picker = new animace::Form1(commandLine, services, temporary.filePath(QStringLiteral("obr.tmp")));
    picker->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(picker, &animace::Form1::sequenceStepOpened, [&](animace::Form2* sequence) {
        QObject::connect(sequence, &animace::Form2::timingStepOpened, [&](animace::Form3* timing) {
            QObject::connect(timing, &animace::Form3::nextRequested, timing, [timing, &services, &commandLine] {
                animace::ShowFinishStep(*timing, services, commandLine);
            });
        });
    });
    picker->show();
    const int status = services.runEventLoop();
    // The timing window outlives the steps that made it, and a window may own another: each
    // window is deleted before the application, and only while it still exists.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) windows << window;
    for (const QPointer<QWidget>& window : windows) delete window.data();
    return status;
}
