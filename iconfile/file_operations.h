#pragma once
// The file operations the suite's format code performs, behind one seam: the real files, or a
// stand-in that keeps files in memory or fails chosen operations.
#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <string>

#include "iconfile/file_outcome.h"

namespace iconfile {

// A file opened through a FileOperations; valid only with the object that opened it.
using FileHandle = int;

enum class FileKind { Missing, Regular, Folder, Other };

struct FileStatus {
    FileKind kind = FileKind::Missing;
    std::filesystem::perms permissions = std::filesystem::perms::none;
    std::int64_t size = 0;  // of a regular file
    bool link = false;      // the path itself is a symbolic link
    std::uint32_t group = 0;
};

// Every operation that can fail reports the path it worked on and the reason. Reads and writes
// are unbuffered and at explicit offsets, so a failure shows at once and a retry repeats exactly
// the failed call.
class FileOperations {
public:
    virtual ~FileOperations() = default;
    // Opens an existing regular file for reading and writing, never truncating it, creating an
    // empty file when none exists.
    virtual FileOutcome OpenForUpdate(const std::string& path, FileHandle& handle) = 0;
    virtual FileOutcome OpenForReading(const std::string& path, FileHandle& handle) = 0;
    // Creates a new file that only its owner may open; fails (EEXIST) when anything is already
    // there, a link included.
    virtual FileOutcome CreateNew(const std::string& path, FileHandle& handle) = 0;
    virtual FileOutcome Length(FileHandle handle, std::int64_t& length) = 0;
    // A short read is a failure.
    virtual FileOutcome ReadAt(FileHandle handle, std::int64_t offset, std::span<std::uint8_t> into) = 0;
    virtual FileOutcome WriteAt(FileHandle handle, std::int64_t offset, std::span<const std::uint8_t> bytes) = 0;
    // Waits until the file's bytes are on the disk.
    virtual FileOutcome Sync(FileHandle handle) = 0;
    // The handle is gone afterwards, also when closing fails.
    virtual FileOutcome Close(FileHandle handle) = 0;
    virtual FileOutcome Remove(const std::string& path) = 0;
    virtual FileOutcome Rename(const std::string& from, const std::string& to) = 0;
    // Gives the open file the permission bits of `like` (never setuid, setgid or sticky) and, where
    // the system allows, its group; without `like`, the mode a new file usually gets.
    virtual FileOutcome SetPermissions(FileHandle handle, const FileStatus* like) = 0;
    // Waits until the folder's entries (a rename into it) are on the disk.
    virtual FileOutcome SyncFolder(const std::string& folder) = 0;
    // What is at `path`, links followed.
    virtual FileStatus Status(const std::string& path) = 0;
    // The path with links and "." / ".." resolved as far as it exists.
    virtual std::string Canonical(const std::string& path) = 0;
    // Whether both paths name the same existing file.
    virtual bool SameFile(const std::string& a, const std::string& b) = 0;
};

// The system's files.
class SystemFileOperations final : public FileOperations {
public:
    SystemFileOperations() = default;
    SystemFileOperations(const SystemFileOperations&) = delete;
    SystemFileOperations& operator=(const SystemFileOperations&) = delete;
    ~SystemFileOperations() override;

    FileOutcome OpenForUpdate(const std::string& path, FileHandle& handle) override;
    FileOutcome OpenForReading(const std::string& path, FileHandle& handle) override;
    FileOutcome CreateNew(const std::string& path, FileHandle& handle) override;
    FileOutcome Length(FileHandle handle, std::int64_t& length) override;
    FileOutcome ReadAt(FileHandle handle, std::int64_t offset, std::span<std::uint8_t> into) override;
    FileOutcome WriteAt(FileHandle handle, std::int64_t offset, std::span<const std::uint8_t> bytes) override;
    FileOutcome Sync(FileHandle handle) override;
    FileOutcome Close(FileHandle handle) override;
    FileOutcome Remove(const std::string& path) override;
    FileOutcome Rename(const std::string& from, const std::string& to) override;
    FileOutcome SetPermissions(FileHandle handle, const FileStatus* like) override;
    FileOutcome SyncFolder(const std::string& folder) override;
    FileStatus Status(const std::string& path) override;
    std::string Canonical(const std::string& path) override;
    bool SameFile(const std::string& a, const std::string& b) override;
    // Where the next bytes a sparse file stores lie from `offset` on: the bytes before are a hole
    // and read as zeros. The file's length when only a hole follows; `offset` itself when the
    // system cannot tell.
    std::int64_t DataFrom(FileHandle handle, std::int64_t offset);

private:
    struct OpenFile {
        int descriptor;
        std::string path;
    };
    FileOutcome Adopt(int descriptor, const std::string& path, FileHandle& handle);
    // Repeats `transfer(descriptor, done)`, a pread or pwrite from `done` bytes on, until `size`
    // bytes have moved.
    template <typename Transfer>
    FileOutcome TransferWhole(FileHandle handle, std::size_t size, int stalled, Transfer&& transfer);

    std::map<FileHandle, OpenFile> open_;
    FileHandle next_ = 1;
};

}  // namespace iconfile
