#pragma once
// The few file operations the writer needs, behind a seam so tests can fail any one of them.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace animace {

using FileHandle = int;

// Every operation returns an empty text on success, otherwise the system's description of the
// failure. Reads and writes are unbuffered and at explicit offsets, so a failure shows at once.
class FileOperations {
public:
    virtual ~FileOperations() = default;
    // Opens for reading and writing, creating an empty file when none exists, never truncating.
    virtual std::string OpenForUpdate(const std::string& path, FileHandle& handle) = 0;
    virtual std::string OpenForReading(const std::string& path, FileHandle& handle) = 0;
    virtual std::string Length(FileHandle handle, std::int64_t& length) = 0;
    // A short read is a failure.
    virtual std::string ReadAt(FileHandle handle, std::int64_t offset, std::span<std::uint8_t> into) = 0;
    virtual std::string WriteAt(FileHandle handle, std::int64_t offset, std::span<const std::uint8_t> bytes) = 0;
    virtual std::string Close(FileHandle handle) = 0;
    virtual std::string Remove(const std::string& path) = 0;
    // Size of a regular file by path, used only for the length check before writing.
    virtual bool SizeOf(const std::string& path, std::int64_t& size) = 0;
    // Whether both paths name the same existing file, as the file system compares.
    virtual bool SameFile(const std::string& a, const std::string& b) = 0;
};

class StdioFileOperations final : public FileOperations {
public:
    StdioFileOperations() = default;
    StdioFileOperations(const StdioFileOperations&) = delete;
    StdioFileOperations& operator=(const StdioFileOperations&) = delete;
    ~StdioFileOperations() override;

    std::string OpenForUpdate(const std::string& path, FileHandle& handle) override;
    std::string OpenForReading(const std::string& path, FileHandle& handle) override;
    std::string Length(FileHandle handle, std::int64_t& length) override;
    std::string ReadAt(FileHandle handle, std::int64_t offset, std::span<std::uint8_t> into) override;
    std::string WriteAt(FileHandle handle, std::int64_t offset, std::span<const std::uint8_t> bytes) override;
    std::string Close(FileHandle handle) override;
    std::string Remove(const std::string& path) override;
    bool SizeOf(const std::string& path, std::int64_t& size) override;
    bool SameFile(const std::string& a, const std::string& b) override;

private:
    std::string Adopt(std::FILE* file, FileHandle& handle);
    std::FILE* Find(FileHandle handle) const;

    std::map<FileHandle, std::FILE*> open_;
    // A stream whose close failed is gone; closing it again repeats that failure, so a file whose
    // last bytes may be lost is never taken for written.
    std::map<FileHandle, std::string> failedCloses_;
    FileHandle next_ = 1;
};

// Passes every call on to another implementation and logs it. Calls whose 1-based numbers lie in
// [failFrom, failFrom + failCount), and the first `matchingFailures` calls whose log entry is
// `failMatching` or begins with it and a blank, fail with `failureText` instead of being passed
// on (a failing write with `partialWrites` set first passes half of its bytes on, as a full disk
// does).
class ScriptedFileOperations final : public FileOperations {
public:
    explicit ScriptedFileOperations(FileOperations& real) : real_(real) {}

    std::size_t failFrom = 0;
    std::size_t failCount = 1;
    std::string failMatching;
    std::size_t matchingFailures = 0;
    bool partialWrites = false;
    std::string failureText = "scripted failure";
    // One entry per call: the operation's name, then its path or, for reads and writes, its offset.
    std::vector<std::string> log;

    std::string OpenForUpdate(const std::string& path, FileHandle& handle) override;
    std::string OpenForReading(const std::string& path, FileHandle& handle) override;
    std::string Length(FileHandle handle, std::int64_t& length) override;
    std::string ReadAt(FileHandle handle, std::int64_t offset, std::span<std::uint8_t> into) override;
    std::string WriteAt(FileHandle handle, std::int64_t offset, std::span<const std::uint8_t> bytes) override;
    std::string Close(FileHandle handle) override;
    std::string Remove(const std::string& path) override;
    bool SizeOf(const std::string& path, std::int64_t& size) override { return real_.SizeOf(path, size); }
    bool SameFile(const std::string& a, const std::string& b) override { return real_.SameFile(a, b); }

private:
    bool Fails(const std::string& entry);

    FileOperations& real_;
};

}  // namespace animace
