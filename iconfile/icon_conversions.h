#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "iconfile/file_operations.h"

namespace iconfile {

// Writes the icon twin of a cursor: hot-spot low bytes of every entry cleared, type byte set to
// icon. Nothing is written, and nothing returned, when the path leaves no room for the new ending
// (OutputPathFor).
std::optional<FileOutcome> ConvertCursorToIcon(const std::string& inputPath, FileOperations& files);
std::optional<FileOutcome> ConvertCursorToIcon(const std::string& inputPath);

// Whether writing the icon twin of the cursor at `inputPath` to `outputPath` would replace a file
// holding other bytes. Not when nothing is there, when it holds the twin already, when it is the
// input itself (which the conversion rewrites in place), or when it is no regular file (the
// conversion then fails and says so).
bool IconTwinReplacesOtherFile(const std::string& inputPath, const std::string& outputPath, FileOperations& files);

// Writes the cursor twin of an icon with the hot spot at (column, row); nothing as above.
std::optional<FileOutcome> ConvertIconToCursor(const std::string& inputPath, std::uint8_t column, std::uint8_t row);

// The same two conversions to an output of the caller's choosing.
FileOutcome ConvertCursorToIcon(const std::string& inputPath, const std::string& outputPath);
FileOutcome ConvertCursorToIcon(const std::string& inputPath, const std::string& outputPath, FileOperations& files);
FileOutcome ConvertIconToCursor(const std::string& inputPath, const std::string& outputPath, std::uint8_t column,
                                std::uint8_t row);

// Copies a cursor to `output` with only its type byte set to icon, so that an icon reader shows it.
FileOutcome CopyCursorAsIcon(const std::filesystem::path& input, const std::filesystem::path& output);

}  // namespace iconfile
