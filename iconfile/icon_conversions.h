#pragma once
#include <cstdint>
#include <string>

#include "iconfile/file_outcome.h"

namespace iconfile {

// Writes the icon twin of a cursor: hot-spot low bytes cleared, type byte set to icon.
FileOutcome ConvertCursorToIcon(const std::string& inputPath);
FileOutcome ConvertCursorToIcon(const std::string& inputPath, const std::string& outputPath);

// Writes the cursor twin of an icon with the hot spot at (column, row).
FileOutcome ConvertIconToCursor(const std::string& inputPath, std::uint8_t column, std::uint8_t row);
FileOutcome ConvertIconToCursor(const std::string& inputPath, const std::string& outputPath, std::uint8_t column,
                                std::uint8_t row);

}  // namespace iconfile
