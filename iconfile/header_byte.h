#pragma once
#include <cstdint>
#include <filesystem>
#include <istream>

namespace iconfile {

// The byte at `offset` of an open file; 0 when the file is too short, so a short file fails every
// type test (0 is neither icon nor cursor).
int HeaderByte(std::istream& file, std::uint64_t offset);

// The cursor test of the frame picker: a cursor (type 2) holding exactly one image, read from
// the low bytes of the type and the image count.
bool IsOneImageCursor(std::istream& file);

// True for an existing regular file (a link is followed). Folders, FIFOs and devices are never
// read: a FIFO or /dev/urandom would block or never end.
bool IsRegularFile(const std::filesystem::path& path);

}  // namespace iconfile
