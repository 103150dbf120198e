#include "iconfile/file_operations.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "iconfile/system_error_text.h"

namespace iconfile {
namespace fs = std::filesystem;
namespace {

FileOutcome Failed(const std::string& path) { return FileOutcome::FromErrno(path, errno); }

// Whether a large read lies wholly inside a hole of a sparse file, which reads as zeros: the
// system would otherwise make every page of them. Small reads are not worth the extra calls.
bool InsideHole(int descriptor, std::int64_t offset, std::size_t count) {
    struct stat info {};
    const auto end = offset + static_cast<std::int64_t>(count);
    if (count < 64 * 1024 || ::fstat(descriptor, &info) != 0 || end > info.st_size) return false;
    const off_t data = ::lseek(descriptor, static_cast<off_t>(offset), SEEK_DATA);
    return (data < 0 && errno == ENXIO) || (data >= 0 && data >= end);
}

// The process's umask; reading it means setting it, so it is put back at once.
mode_t UsualModeMask() {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

// Only regular files are opened: a folder would "open" and then fail oddly, a FIFO would block.
FileOutcome RefuseIrregular(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return FileOutcome::Success();  // opening reports that itself
    if (S_ISDIR(info.st_mode)) return FileOutcome::FromErrno(path, EISDIR);
    if (!S_ISREG(info.st_mode)) return FileOutcome::FromErrno(path, kNotARegularFile);
    return FileOutcome::Success();
}

}  // namespace

SystemFileOperations::~SystemFileOperations() {
    for (auto& entry : open_) ::close(entry.second.descriptor);
}

FileOutcome SystemFileOperations::Adopt(int descriptor, const std::string& path, FileHandle& handle) {
    if (descriptor < 0) return Failed(path);
    // What was checked by name may have been swapped meanwhile; the open file itself decides.
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : kNotARegularFile;
        ::close(descriptor);
        return FileOutcome::FromErrno(path, error);
    }
    handle = next_++;
    open_[handle] = {descriptor, path};
    return FileOutcome::Success();
}

FileOutcome SystemFileOperations::OpenForUpdate(const std::string& path, FileHandle& handle) {
    if (FileOutcome refused = RefuseIrregular(path); !refused.succeeded()) return refused;
    errno = 0;
    int descriptor = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0 && errno == ENOENT) {
        // Exclusive creation, so a file that appears meanwhile is opened, never emptied.
        descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno == EEXIST) descriptor = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    }
    return Adopt(descriptor, path, handle);
}

FileOutcome SystemFileOperations::OpenForReading(const std::string& path, FileHandle& handle) {
    if (FileOutcome refused = RefuseIrregular(path); !refused.succeeded()) return refused;
    errno = 0;
    return Adopt(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK), path, handle);
}

FileOutcome SystemFileOperations::CreateNew(const std::string& path, FileHandle& handle) {
    errno = 0;
    return Adopt(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600), path, handle);
}

FileOutcome SystemFileOperations::Length(FileHandle handle, std::int64_t& length) {
    const auto found = open_.find(handle);
    if (found == open_.end()) return FileOutcome::FromErrno({}, EBADF);
    struct stat info {};
    if (::fstat(found->second.descriptor, &info) != 0) return Failed(found->second.path);
    length = static_cast<std::int64_t>(info.st_size);
    return FileOutcome::Success();
}

// A call that moves nothing fails with `stalled`: the file shrank (EIO) or the disk is full (ENOSPC).
template <typename Transfer>
FileOutcome SystemFileOperations::TransferWhole(FileHandle handle, std::size_t size, int stalled, Transfer&& transfer) {
    const auto found = open_.find(handle);
    if (found == open_.end()) return FileOutcome::FromErrno({}, EBADF);
    std::size_t done = 0;
    while (done < size) {
        errno = 0;
        const ssize_t moved = transfer(found->second.descriptor, done);
        if (moved < 0 && errno == EINTR) continue;
        if (moved <= 0) return FileOutcome::FromErrno(found->second.path, moved < 0 ? errno : stalled);
        done += static_cast<std::size_t>(moved);
    }
    return FileOutcome::Success();
}

std::int64_t SystemFileOperations::DataFrom(FileHandle handle, std::int64_t offset) {
    const auto found = open_.find(handle);
    struct stat info {};
    if (found == open_.end() || ::fstat(found->second.descriptor, &info) != 0 || offset >= info.st_size) return offset;
    const off_t data = ::lseek(found->second.descriptor, static_cast<off_t>(offset), SEEK_DATA);
    if (data < 0) return errno == ENXIO ? static_cast<std::int64_t>(info.st_size) : offset;
    return std::max<std::int64_t>(offset, std::min<std::int64_t>(data, info.st_size));
}

FileOutcome SystemFileOperations::ReadAt(FileHandle handle, std::int64_t offset, std::span<std::uint8_t> into) {
    if (const auto found = open_.find(handle); found != open_.end() && InsideHole(found->second.descriptor, offset, into.size())) {
        std::fill(into.begin(), into.end(), std::uint8_t{0});
        return FileOutcome::Success();
    }
    return TransferWhole(handle, into.size(), EIO, [&](int descriptor, std::size_t done) {
        return ::pread(descriptor, into.data() + done, into.size() - done, offset + static_cast<off_t>(done));
    });
}

FileOutcome SystemFileOperations::WriteAt(FileHandle handle, std::int64_t offset, std::span<const std::uint8_t> bytes) {
    return TransferWhole(handle, bytes.size(), ENOSPC, [&](int descriptor, std::size_t done) {
        return ::pwrite(descriptor, bytes.data() + done, bytes.size() - done, offset + static_cast<off_t>(done));
    });
}

FileOutcome SystemFileOperations::Sync(FileHandle handle) {
    const auto found = open_.find(handle);
    if (found == open_.end()) return FileOutcome::FromErrno({}, EBADF);
    errno = 0;
    return ::fsync(found->second.descriptor) == 0 ? FileOutcome::Success() : Failed(found->second.path);
}

FileOutcome SystemFileOperations::Close(FileHandle handle) {
    const auto found = open_.find(handle);
    if (found == open_.end()) return FileOutcome::FromErrno({}, EBADF);
    const OpenFile file = found->second;
    open_.erase(found);
    errno = 0;
    // Linux releases the descriptor even when close fails, so it is never closed twice.
    return ::close(file.descriptor) == 0 ? FileOutcome::Success() : Failed(file.path);
}

FileOutcome SystemFileOperations::Remove(const std::string& path) {
    errno = 0;
    return ::unlink(path.c_str()) == 0 ? FileOutcome::Success() : Failed(path);
}

FileOutcome SystemFileOperations::Rename(const std::string& from, const std::string& to) {
    errno = 0;
    return ::rename(from.c_str(), to.c_str()) == 0 ? FileOutcome::Success() : Failed(to);
}

FileOutcome SystemFileOperations::SetPermissions(FileHandle handle, const FileStatus* like) {
    const auto found = open_.find(handle);
    if (found == open_.end()) return FileOutcome::FromErrno({}, EBADF);
    const int descriptor = found->second.descriptor;
    auto mode = static_cast<mode_t>(0666 & ~UsualModeMask());
    if (like != nullptr) {
        mode = static_cast<mode_t>(like->permissions) & 0777;
        struct stat own {};
        if (::fstat(descriptor, &own) != 0) return Failed(found->second.path);
        // Rights meant for the old group are not handed to another one.
        if (own.st_gid != like->group && ::fchown(descriptor, static_cast<uid_t>(-1), like->group) != 0)
            mode &= ~static_cast<mode_t>(0070);
    }
    errno = 0;
    return ::fchmod(descriptor, mode) == 0 ? FileOutcome::Success() : Failed(found->second.path);
}

FileOutcome SystemFileOperations::SyncFolder(const std::string& folder) {
    errno = 0;
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return Failed(folder);
    errno = 0;
    const bool synced = ::fsync(descriptor) == 0;
    const int error = errno;
    ::close(descriptor);
    return synced ? FileOutcome::Success() : FileOutcome::FromErrno(folder, error);
}

FileStatus SystemFileOperations::Status(const std::string& path) {
    struct stat info {};
    FileStatus status;
    status.link = ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
    if (::stat(path.c_str(), &info) != 0) return status;
    status.kind = S_ISREG(info.st_mode) ? FileKind::Regular : S_ISDIR(info.st_mode) ? FileKind::Folder : FileKind::Other;
    status.permissions = static_cast<fs::perms>(info.st_mode & 07777);
    status.group = info.st_gid;
    status.size = S_ISREG(info.st_mode) ? static_cast<std::int64_t>(info.st_size) : 0;
    return status;
}

std::string SystemFileOperations::Canonical(const std::string& path) {
    std::error_code error;
    const fs::path resolved = fs::weakly_canonical(fs::absolute(path, error), error);
    return error ? path : resolved.string();
}

bool SystemFileOperations::SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return fs::equivalent(a, b, error) && !error;
}

}  // namespace iconfile
