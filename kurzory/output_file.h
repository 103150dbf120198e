#pragma once
// The rules every output follows: an existing non-empty file is replaced only when forced, and
// the new bytes reach the disk before they are renamed over it.
#include <cstdint>
#include <span>
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

// Writes `bytes` as the whole new content of `path`: into a temporary file beside it, flushed to
// the disk and renamed over it.
iconfile::FileOutcome WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace kurzory
