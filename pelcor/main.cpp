#include <QApplication>
#include <memory>
#include <optional>

#include "desktop/command_line.h"
#include "desktop/private_temp_folder.h"
#include "desktop/qt_desktop_services.h"
#include "desktop/termination_signals.h"
#include "pelcor/icon_window.h"
#include "pelcor/pelcor_program.h"
#include "pelcor/scratch_name.h"

int main(int argc, char** argv) {
    const desktop::TerminationSignals termination;  // first, so it ends the program last
    if (const std::optional<int> status = desktop::EndBeforeWindows(argc, argv, pelcor::kProgram)) return *status;
    std::string path = desktop::CommandLineText(argc, argv);
    const std::string scratchName = pelcor::ScratchFileName(pelcor::SecondsSinceMidnight());

    QApplication application(argc, argv);
    desktop::JoinDesktop(pelcor::kProgram);
    if (path.empty()) {  // started from the menu
        const std::optional<std::string> chosen = desktop::AskForInputFile(pelcor::kInputFiles);
        if (!chosen) return 0;
        path = *chosen;
    }
    desktop::QtDesktopServices services(QStringLiteral("Pelcor"));
    desktop::PrivateTempFolder temporary;
    // Without a private folder there is no safe scratch name; the build then reports the failure.
    const std::string scratchPath =
        temporary.isValid() ? temporary.filePath(QString::fromStdString(scratchName)).toStdString() : std::string();
    std::unique_ptr<pelcor::IconWindow> window = pelcor::IconWindow::Open(path, scratchPath, services);
    if (window && !services.programEnded()) window->show();
    return services.runEventLoop();
}
