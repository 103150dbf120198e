#include "desktop/program_start.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <cstring>

#include "desktop/display_probe.h"
#include "desktop/program_icons.h"

namespace desktop {

std::optional<int> AnswerInformationRequest(int argc, char** argv, const ProgramIdentity& program) {
    if (argc != 2) return std::nullopt;
    if (std::strcmp(argv[1], "--help") == 0) {
        std::printf("%s\n"
                    "\n"
                    "  --help     vypíše tuto nápovědu a skončí\n"
                    "  --version  vypíše verzi a skončí\n",
                    program.usage);
    } else if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s %s\n", program.name, KURZORY_VERSION);
    } else {
        return std::nullopt;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

std::optional<int> RefuseWithoutDisplay(int argc, char** argv, const ProgramIdentity& program) {
    if (DisplayUsable(argc, argv)) return std::nullopt;
    return ReportMissingDisplay(program);
}

int ReportMissingDisplay(const ProgramIdentity& program) {
    std::fprintf(stderr, "%s: chybí grafické prostředí, program nelze spustit.\n", program.name);
    return 1;
}

std::optional<int> EndBeforeWindows(int argc, char** argv, const ProgramIdentity& program) {
    if (const std::optional<int> status = AnswerInformationRequest(argc, argv, program)) return status;
    return RefuseWithoutDisplay(argc, argv, program);
}

void JoinDesktop(const ProgramIdentity& program) {
    LoadQtCzechTranslation();
    // The window class names the menu entry (StartupWMClass) whatever the binary was called.
    QCoreApplication::setApplicationName(QString::fromUtf8(program.name));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(program.desktopId));
    QApplication::setWindowIcon(ProgramIcon(QString::fromUtf8(program.desktopId)));
}

bool LoadQtCzechTranslation() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace desktop
