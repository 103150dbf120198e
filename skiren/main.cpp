#include <QApplication>
#include <memory>
#include <optional>

#include "desktop/command_line.h"
#include "desktop/display_probe.h"
#include "desktop/qt_desktop_services.h"
#include "desktop/standard_error_services.h"
#include "desktop/termination_signals.h"
#include "skiren/input_recognition.h"
#include "skiren/hot_spot_editor.h"
#include "skiren/skiren_program.h"

int main(int argc, char** argv) {
    const desktop::TerminationSignals termination;  // first, so it ends the program last
    if (const std::optional<int> status = desktop::AnswerInformationRequest(argc, argv, skiren::kProgram)) return *status;
    std::string path = desktop::CommandLineText(argc, argv);
    std::optional<QApplication> application;
    if (path.empty()) {
        // Started from the menu: the file comes from a dialog, so the toolkit starts first.
        if (!desktop::DisplayUsable(argc, argv)) return desktop::ReportMissingDisplay(skiren::kProgram);
        application.emplace(argc, argv);
        desktop::JoinDesktop(skiren::kProgram);
        const std::optional<std::string> chosen = desktop::AskForInputFile(skiren::kInputFiles);
        if (!chosen) return 0;
        path = *chosen;
    }
    const skiren::Recognition recognition = skiren::RecognizeInput(path);
    // A converted cursor needs no window: the toolkit is not even started.
    if (recognition.kind == skiren::Recognition::Kind::CursorConverted && recognition.conversion.succeeded()) return 0;
    if (!application) {
        if (!desktop::DisplayUsable(argc, argv)) {
            if (recognition.kind == skiren::Recognition::Kind::OpenEditor)
                return desktop::ReportMissingDisplay(skiren::kProgram);
            // A refusal, a failed conversion or a file that would be replaced is told on standard error.
            desktop::StandardErrorServices services(QStringLiteral("Skiren"));
            skiren::FinishRecognitionWithoutDisplay(recognition, path, services);
            return services.exitStatus();
        }
        application.emplace(argc, argv);
        desktop::JoinDesktop(skiren::kProgram);
    }

    desktop::QtDesktopServices services(QStringLiteral("Skiren"));
    std::unique_ptr<skiren::HotSpotEditor> editor;
    if (recognition.kind == skiren::Recognition::Kind::OpenEditor) {
        editor = std::make_unique<skiren::HotSpotEditor>(path, services);
        if (!services.programEnded()) editor->show();
    } else {
        skiren::FinishRecognition(recognition, path, services);
    }
    return services.runEventLoop();
}
