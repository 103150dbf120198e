#include "kurzory/input_file.h"

#include "iconfile/file_operations.h"
#include "kurzory/messages.h"

namespace kurzory {

std::string UnreadableInput(const std::string& path) {
    iconfile::SystemFileOperations files;
    iconfile::FileHandle handle = 0;
    const iconfile::FileOutcome opened = files.OpenForReading(path, handle);
    if (!opened.succeeded()) return FileFailureText(path, opened.reason());
    (void)files.Close(handle);  // only read: nothing a failed close could lose
    return {};
}

}  // namespace kurzory
