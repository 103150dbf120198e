#pragma once
// A set as a Windows scheme folder: one .cur or .ani per role holding every size, and install.inf.
#include <string>
#include <vector>

#include "kurzory/output_folder.h"
#include "kurzory/cursor_pictures.h"

namespace kurzory {

// Writes into `windows`, a folder to be made inside the folder being built; the cursor files
// written are added to `written` (relative to it). The failure line naming the file, or an
// empty text.
std::string WriteWindowsScheme(const CursorSet& set, OutputFolder& folder, const std::string& windows,
                               std::vector<std::string>& written);

}  // namespace kurzory
