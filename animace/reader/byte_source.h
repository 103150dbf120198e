#pragma once
// Where the animated cursor reader takes its bytes from: a file read at explicit offsets, or
// bytes in memory. Nothing is read outside [0, Length()).
#include <cstdint>
#include <span>
#include <string>

namespace animace {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t Length() const = 0;
    // Fills `into` from `offset`; false when those bytes are not all inside the source or the
    // read fails.
    virtual bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) = 0;
};

class FileByteSource final : public ByteSource {
public:
    FileByteSource() = default;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;
    ~FileByteSource() override;

    // Opens a regular file for reading; the errno value of the failure, or 0.
    int Open(const std::string& path);
    std::uint64_t Length() const override { return length_; }
    bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) override;

private:
    int descriptor_ = -1;
    std::uint64_t length_ = 0;
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
