#include "animace/reader/byte_source.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "iconfile/system_error_text.h"

namespace animace {

FileByteSource::~FileByteSource() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

int FileByteSource::Open(const std::string& path) {
    struct stat status {};
    // A FIFO or device would block or never end; it is refused before it is opened.
    if (::stat(path.c_str(), &status) != 0) return errno != 0 ? errno : EIO;
    if (S_ISDIR(status.st_mode)) return EISDIR;
    if (!S_ISREG(status.st_mode)) return iconfile::kNotARegularFile;
    descriptor_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor_ < 0) return errno != 0 ? errno : EIO;
    if (::fstat(descriptor_, &status) != 0 || !S_ISREG(status.st_mode)) return iconfile::kNotARegularFile;
    length_ = static_cast<std::uint64_t>(status.st_size);
    return 0;
}

bool FileByteSource::ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) {
    if (descriptor_ < 0 || offset > length_ || into.size() > length_ - offset) return false;
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

bool FileByteSource::LoadBlockAround(std::uint64_t offset) {
    const std::uint64_t start = offset - offset % kBlockSize;
    block_.resize(static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, length_ - start)));
    blockStart_ = start;
    // A hole in a sparse file reads as zeros; the system would have to make every page of them.
    const off_t data = ::lseek(descriptor_, static_cast<off_t>(start), SEEK_DATA);
    if ((data < 0 && errno == ENXIO) || (data >= 0 && static_cast<std::uint64_t>(data) >= start + block_.size())) {
        std::fill(block_.begin(), block_.end(), std::uint8_t{0});
        return true;
    }
    if (ReadDirect(start, block_)) return true;
    block_.clear();
    return false;
}

bool FileByteSource::ReadDirect(std::uint64_t offset, std::span<std::uint8_t> into) {
    std::size_t done = 0;
    while (done < into.size()) {
        const ssize_t got = ::pread(descriptor_, into.data() + done, into.size() - done,
                                    static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

bool MemoryByteSource::ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) {
    if (offset > bytes_.size() || into.size() > bytes_.size() - offset) return false;
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), into.size(), into.begin());
    return true;
}

}  // namespace animace
