#pragma once
// What every program does before and right after the toolkit starts: answer --help and --version,
// refuse to start without a display, and introduce itself to the desktop.
#include <optional>

namespace desktop {

// Who a program is to the desktop.
struct ProgramIdentity {
    const char* name;       // the command, also the window class
    const char* desktopId;  // the name of its .desktop file, metainfo and menu icon
    const char* usage;      // the Czech --help text
};

// "--help" or "--version" as the whole command line is answered on standard output; the result is
// then the status to end with.
std::optional<int> AnswerInformationRequest(int argc, char** argv, const ProgramIdentity& program);

// Without a usable display, prints the one line that says so and gives status 1.
std::optional<int> RefuseWithoutDisplay(int argc, char** argv, const ProgramIdentity& program);
int ReportMissingDisplay(const ProgramIdentity& program);

// Both of the above, for the programs that need a window from the start.
std::optional<int> EndBeforeWindows(int argc, char** argv, const ProgramIdentity& program);

// Once the application exists: Qt's own texts in Czech, the desktop id and the window icon.
void JoinDesktop(const ProgramIdentity& program);

// Loads Qt's Czech translation into the running application; false when it is not installed.
bool LoadQtCzechTranslation();

}  // namespace desktop
