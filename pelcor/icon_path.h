#pragma once
#include <string>
#include <string_view>

namespace pelcor {

// The bitmap path with its last extension replaced by ".ico", or ".ico" appended when the last
// name has none. Only the platform's folder separator ends a name.
std::string IconPathFor(std::string_view bitmapPath);

// The refusal when the icon would be written over the bitmap itself.
std::string IconOverBitmapMessage(const std::string& bitmapPath);

// True when both paths name one existing file as the file system sees it (links, case rules).
bool NamesSameFile(const std::string& first, const std::string& second);

}  // namespace pelcor
