#pragma once
// A set as an X cursor theme: cursors/ with one file per role holding every size and step, every
// name programs ask for as a link to it, and index.theme naming the theme to fall back on.
#include <string>
#include <vector>

#include "iconfile/file_outcome.h"
#include "kurzory/output_folder.h"
#include "kurzory/cursor_pictures.h"

namespace kurzory {

// Writes the theme into `theme`, a folder to be made inside the folder being built.
iconfile::FileOutcome WriteXCursorTheme(const CursorSet& set, OutputFolder& folder, const std::string& theme);

// The text of index.theme.
std::string ThemeIndexText(const CursorSet& set);

}  // namespace kurzory
