#pragma once
// The file a program started from the menu (with nothing on its command line) works on.
#include <QString>
#include <optional>
#include <string>

namespace desktop {

// What a program opens: the dialog's title and the filter offered, such as
// "Ikony a kurzory (*.ico *.cur)", both UTF-8.
struct InputFileKind {
    const char* title;
    const char* filter;
};

// Asks in Qt's own file dialog (its texts from the loaded Czech translation), starting in the
// user's pictures folder, or home where there is none; nothing when the user cancels.
std::optional<std::string> AskForInputFile(const InputFileKind& kind);

// The folder the dialog starts in.
QString InputFileStartFolder();

}  // namespace desktop
