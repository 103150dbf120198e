#include "animace/reader/byte_source.h"

#include <algorithm>
#include <cstring>

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
    if (offset >= blockStart_ && offset - blockStart_ < block_.size() &&
        into.size() <= block_.size() - (offset - blockStart_)) {
        std::memcpy(into.data(), block_.data() + (offset - blockStart_), into.size());
        return true;
    }
    if (into.size() >= kBlockSize) return ReadDirect(offset, into);
    std::size_t done = 0;
    while (done < into.size()) {
        const std::uint64_t at = offset + done;
        if (at < blockStart_ || at >= blockStart_ + block_.size()) {
            if (!LoadBlockAround(at)) return false;
        }
        const auto inBlock = static_cast<std::size_t>(at - blockStart_);
        const std::size_t count = std::min(into.size() - done, block_.size() - inBlock);
        std::copy_n(block_.begin() + static_cast<std::ptrdiff_t>(inBlock), count, into.begin() + static_cast<std::ptrdiff_t>(done));
        done += count;
    }
    return true;
}

std::uint64_t FileByteSource::ZeroRunEnd(std::uint64_t offset, std::uint64_t limit) {
    limit = std::min(limit, length_);
    if (!handle_ || offset >= limit) return offset;
    std::uint64_t start = offset;
    if (offset >= knownZerosFrom_ && offset < knownZerosTo_) {
        if (knownZerosTo_ >= limit) return limit;
        start = knownZerosFrom_;
        offset = knownZerosTo_;
    }
    // A short look first: most runs a walk meets are a few bytes long.
    std::uint64_t window = 4096;
    while (offset < limit) {
        const std::uint64_t scanEnd = std::min(limit, offset + window);
        const std::uint64_t scanned = ScanZeros(offset, scanEnd);
        offset = scanned;
        if (scanned < scanEnd) break;
        window = std::min<std::uint64_t>(2 * window, kBlockSize);
        const auto data = static_cast<std::uint64_t>(files_.DataFrom(*handle_, static_cast<std::int64_t>(offset)));
        if (data > offset) offset = std::min(data, limit);
    }
    if (offset > start) {
        knownZerosFrom_ = start;
        knownZerosTo_ = offset;
    }
    return offset;
}

bool FileByteSource::LoadBlockAround(std::uint64_t offset) {
    const std::uint64_t start = offset - offset % kBlockSize;
    block_.resize(static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, length_ - start)));
    blockStart_ = start;
    if (ReadDirect(start, block_)) return true;
    block_.clear();
    return false;
}

bool FileByteSource::ReadDirect(std::uint64_t offset, std::span<std::uint8_t> into) {
    return files_.ReadAt(*handle_, static_cast<std::int64_t>(offset), into).succeeded();
}

std::uint64_t ByteSource::ZeroRunEnd(std::uint64_t offset, std::uint64_t limit) { return ScanZeros(offset, limit); }

std::uint64_t ByteSource::ScanZeros(std::uint64_t offset, std::uint64_t limit) {
    limit = std::min(limit, Length());
    std::vector<std::uint8_t> block;
    while (offset < limit) {
        block.resize(static_cast<std::size_t>(std::min<std::uint64_t>(limit - offset, 1024 * 1024)));
        if (!ReadAt(offset, block)) return offset;
        const auto nonZero = std::find_if(block.begin(), block.end(), [](std::uint8_t byte) { return byte != 0; });
        offset += static_cast<std::uint64_t>(nonZero - block.begin());
        if (nonZero != block.end()) return offset;
    }
    return offset;
}

std::uint64_t MemoryByteSource::ZeroRunEnd(std::uint64_t offset, std::uint64_t limit) {
    limit = std::min<std::uint64_t>(limit, bytes_.size());
    while (offset < limit && bytes_[offset] == 0) ++offset;
    return offset;
}

bool MemoryByteSource::ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) {
    if (offset > bytes_.size() || into.size() > bytes_.size() - offset) return false;
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), into.size(), into.begin());
    return true;
}

}  // namespace animace
