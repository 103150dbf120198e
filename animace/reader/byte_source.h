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

    static constexpr std::size_t kBlockSize = 256 * 1024;

private:
    bool ReadDirect(std::uint64_t offset, std::span<std::uint8_t> into);
    bool LoadBlockAround(std::uint64_t offset);

    iconfile::SystemFileOperations files_;
    std::optional<iconfile::FileHandle> handle_;
    std::uint64_t length_ = 0;
    std::vector<std::uint8_t> block_;
    std::uint64_t blockStart_ = 0;
};

class MemoryByteSource final : public ByteSource {
public:
    explicit MemoryByteSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint64_t Length() const override { return bytes_.size(); }
    bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) override;

private:
    std::span<const std::uint8_t> bytes_;
};

}  // namespace animace
