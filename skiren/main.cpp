#include <QApplication>
#include <memory>

#include "desktop/command_line.h"
#include "desktop/qt_desktop_services.h"
#include "desktop/termination_signals.h"
#include "skiren/cotoje.h"
#include "skiren/hot_spot_editor.h"

int main(int argc, char** argv) {
    const desktop::TerminationSignals termination;  // first, so it ends the program last
    const std::string path = desktop::CommandLineText(argc, argv);
    const skiren::Recognition recognition = skiren::RecognizeInput(path);
    // A converted cursor needs no window: the toolkit is not even started.
    if (recognition.kind == skiren::Recognition::Kind::CursorConverted && recognition.conversion.succeeded()) return 0;

    QApplication application(argc, argv);
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
