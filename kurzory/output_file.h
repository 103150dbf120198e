#pragma once
// The rules every output follows: an existing non-empty file is replaced only when forced, and
// the new bytes reach the disk before they are renamed over it.
#include <filesystem>
#include <optional>
#include <string>

#include "iconfile/replacement_file.h"

namespace kurzory {

// The output named by -o, or else the program's own; nothing when neither is there.
std::optional<std::string> ChosenOr(const std::string* chosen, std::optional<std::string> ownOutput);

// The refusal line for `path`, or an empty text when it may be written.
std::string RefusedOutput(const std::string& path, bool force);

// Whether both paths name one existing file.
bool SameExistingFile(const std::string& first, const std::string& second);

// Checks that the target may be replaced, then creates the temporary file beside it.
iconfile::FileOutcome StartReplacement(iconfile::ReplacementFile& replacement);

// Flushes a written file to the disk; the errno value of a failure, or 0.
int SyncToDisk(const std::filesystem::path& path);

}  // namespace kurzory
