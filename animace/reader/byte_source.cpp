#include "animace/reader/byte_source.h"

#include <algorithm>

namespace animace {

iconfile::FileOutcome FileByteSource::Open(const std::string& path) {
    iconfile::FileHandle handle = 0;
    if (iconfile::FileOutcome opened = files_.OpenForReading(path, handle); !opened.succeeded()) return opened;
    handle_ = handle;
    std::int64_t length = 0;
    if (iconfile::FileOutcome measured = files_.Length(handle, length); !measured.succeeded()) return measured;
    length_ = static_cast<std::uint64_t>(length);
    return iconfile::FileOutcome::Success();
}

bool FileByteSource::ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) {
    if (!handle_ || offset > length_ || into.size() > length_ - offset) return false;
    return files_.ReadAt(*handle_, static_cast<std::int64_t>(offset), into).succeeded();
}

bool MemoryByteSource::ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) {
    if (offset > bytes_.size() || into.size() > bytes_.size() - offset) return false;
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), into.size(), into.begin());
    return true;
}

}  // namespace animace
