#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "iconfile/file_outcome.h"

namespace iconfile {

// Writes the icon twin of a cursor: hot-spot low bytes cleared, type byte set to icon. Nothing is
// written, and nothing returned, when the path leaves no room for the new ending (OutputPathFor).
std::optional<FileOutcome> ConvertCursorToIcon(const std::string& inputPath);

// Writes the cursor twin of an icon with the hot spot at (column, row); nothing as above.
std::optional<FileOutcome> ConvertIconToCursor(const std::string& inputPath, std::uint8_t column, std::uint8_t row);

}  // namespace iconfile
