#pragma once
// Start-up of Skiren: what the file on the command line is and what becomes of it. Works without
// any window, so a cursor is converted before the toolkit is even started.
#include <string>

#include "desktop/desktop_services.h"
#include "iconfile/file_operations.h"

namespace skiren {

struct Recognition {
    enum class Kind {
        OpenEditor,       // an icon: the hot-spot editor takes over
        CursorConverted,  // a cursor: its icon twin has been written (or writing failed)
        ReplaceQuestion,  // a cursor whose icon twin would replace a different file: nothing written yet
        NotIconOrCursor,  // neither an icon nor a cursor, or a cursor whose image is cut or damaged
        ChangedMeanwhile, // the file changed between its two readings
        NoRoomForSuffix,  // the path's ending cannot be replaced without leaving its folder
    };
    Kind kind;
    iconfile::FileOutcome conversion = iconfile::FileOutcome::Success();
    std::string output = {};  // the icon twin's path, for a cursor
};

Recognition RecognizeInput(const std::string& path, iconfile::FileOperations& files);
Recognition RecognizeInput(const std::string& path);

// Shows what a recognition that did not open the editor has to tell, and ends the program. The
// replace question is asked here; "Ano" writes the icon twin.
void FinishRecognition(const Recognition& recognition, const std::string& path, desktop::DesktopServices& services,
                       iconfile::FileOperations& files);
void FinishRecognition(const Recognition& recognition, const std::string& path, desktop::DesktopServices& services);
// The same with nobody to answer a question: a file that would be replaced is kept, status 1.
void FinishRecognitionWithoutDisplay(const Recognition& recognition, const std::string& path,
                                     desktop::DesktopServices& services);

QString NoRoomMessage(const std::string& path);
QString NotIconOrCursorMessage();
QString NotReplacedWithoutDisplayMessage(const std::string& output);

}  // namespace skiren
