#pragma once
// Where the animated cursor reader takes its bytes from: a file read at explicit offsets, or
// bytes in memory. Nothing is read outside [0, Length()).
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "iconfile/file_operations.h"

namespace animace {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t Length() const = 0;
    // Fills `into` from `offset`; false when those bytes are not all inside the source or the
    // read fails.
    virtual bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) = 0;
    // The end of the run of zero bytes from `offset`: the first non-zero byte's offset, or
    // `limit` (at most Length()) when there is none before it, or where a read failed. Lets a
    // chunk walk cross millions of empty chunks in one step.
    virtual std::uint64_t ZeroRunEnd(std::uint64_t offset, std::uint64_t limit);

protected:
    // Scans [offset, limit) read in large blocks.
    std::uint64_t ScanZeros(std::uint64_t offset, std::uint64_t limit);
};

// The suite's one way of reading a file: only a regular file is opened, reads are whole blocks.
class FileByteSource final : public ByteSource {
public:
    // Opens a regular file for reading; a failure carries the system's reason.
    iconfile::FileOutcome Open(const std::string& path);
    std::uint64_t Length() const override { return length_; }
    // Small reads are served from one block of the file read whole, so a walk over millions of
    // 8-byte chunk headers costs one system call per block, not one per header.
    bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) override;
    // Holes of a sparse file are crossed without reading, and the last run found is remembered,
    // since every loader model walks the same empty chunks.
    std::uint64_t ZeroRunEnd(std::uint64_t offset, std::uint64_t limit) override;

    static constexpr std::size_t kBlockSize = 256 * 1024;

private:
    bool ReadDirect(std::uint64_t offset, std::span<std::uint8_t> into);
    bool LoadBlockAround(std::uint64_t offset);

    iconfile::SystemFileOperations files_;
    std::optional<iconfile::FileHandle> handle_;
    std::uint64_t length_ = 0;
    std::vector<std::uint8_t> block_;
    std::uint64_t blockStart_ = 0;
    std::uint64_t knownZerosFrom_ = 0, knownZerosTo_ = 0;
};

class MemoryByteSource final : public ByteSource {
public:
    explicit MemoryByteSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint64_t Length() const override { return bytes_.size(); }
    bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) override;
    std::uint64_t ZeroRunEnd(std::uint64_t offset, std::uint64_t limit) override;

private:
    std::span<const std::uint8_t> bytes_;
};

}  // namespace animace
