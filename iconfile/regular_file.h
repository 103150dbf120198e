#pragma once
#include <filesystem>

namespace iconfile {

// True for an existing regular file (a link is followed). Folders, FIFOs and devices are never
// read: a FIFO or /dev/urandom would block or never end.
bool IsRegularFile(const std::filesystem::path& path);

}  // namespace iconfile
