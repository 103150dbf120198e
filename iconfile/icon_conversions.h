#pragma once
#include <cstdint>
#include <string>

#include "iconfile/file_operations.h"

namespace iconfile {

// Writes the icon twin of a cursor: hot-spot low bytes cleared, type byte set to icon.
FileOutcome ConvertCursorToIcon(const std::string& inputPath, FileOperations& files);
FileOutcome ConvertCursorToIcon(const std::string& inputPath);

// Writes the cursor twin of an icon with the hot spot at (column, row).
FileOutcome ConvertIconToCursor(const std::string& inputPath, std::uint8_t column, std::uint8_t row);

}  // namespace iconfile
