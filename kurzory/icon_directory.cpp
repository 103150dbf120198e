#include "kurzory/icon_directory.h"

#include <algorithm>
#include <array>

#include "animace/reader/byte_source.h"

namespace kurzory {

std::optional<IconDirectory> ReadIconDirectory(const std::string& path) {
    animace::FileByteSource source;
    if (source.Open(path) != 0) return std::nullopt;
    std::array<std::uint8_t, iconfile::IconFileHeader::kSize> head{};
    if (!source.ReadAt(0, head)) return std::nullopt;
    IconDirectory directory;
    directory.fileLength = source.Length();
    directory.header = iconfile::IconFileHeader::Decode(head);
    // Told apart by the type's low byte alone, as Skiren tells them.
    const int type = Kind(directory);
    if (type != 1 && type != 2) return std::nullopt;
    const std::uint64_t room = (source.Length() - head.size()) / iconfile::IconDirEntry::kSize;
    const std::uint64_t count = std::min<std::uint64_t>(directory.header.imageCount, room);
    for (std::uint64_t i = 0; i < count; ++i) {
        std::array<std::uint8_t, iconfile::IconDirEntry::kSize> bytes{};
        if (!source.ReadAt(iconfile::IconDirEntry::kFirstEntryOffset + i * bytes.size(), bytes)) return std::nullopt;
        directory.entries.push_back(iconfile::IconDirEntry::Decode(bytes));
    }
    return directory;
}

}  // namespace kurzory
