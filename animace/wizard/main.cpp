#include <QApplication>
#include <QFile>

#include "animace/wizard/animace_program.h"
#include "animace/wizard/wizard.h"
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
    animace::Wizard wizard(commandLine, services, temporary.filePath(QStringLiteral("obr.tmp")));
    wizard.start();
    return services.runEventLoop();
}
