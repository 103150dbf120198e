#pragma once
// The header and directory of an icon or cursor file, as far as the file holds them.
#include <optional>
#include <string>
#include <vector>

#include "iconfile/icon_records.h"

namespace kurzory {

struct IconDirectory {
    iconfile::IconFileHeader header;
    std::vector<iconfile::IconDirEntry> entries;  // only the entries the file has room for
    std::uint64_t fileLength = 0;
};

// 1 for an icon, 2 for a cursor: the low byte of the type.
inline int Kind(const IconDirectory& directory) { return directory.header.resourceType & 0xFF; }

// Nothing when the file cannot be read or is no icon or cursor (type 1 or 2).
std::optional<IconDirectory> ReadIconDirectory(const std::string& path);

// A directory size byte: 0 stands for 256.
inline int DirectorySize(std::uint8_t byte) { return byte == 0 ? 256 : byte; }

}  // namespace kurzory
