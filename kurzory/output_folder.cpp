#include "kurzory/output_folder.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace kurzory {
namespace {

namespace fs = std::filesystem;

// Flushes the whole file system the folder is on: one call instead of one per written file.
int SyncFileSystemOf(const std::string& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return errno;
    const int error = ::syncfs(descriptor) == 0 && ::fsync(descriptor) == 0 ? 0 : errno;
    ::close(descriptor);
    return error;
}

std::string ParentOf(const std::string& target) {
    const fs::path parent = fs::path(target).parent_path();
    return parent.empty() ? "." : parent.string();
}

}  // namespace

OutputFolder::OutputFolder(std::string target) : target_(std::move(target)) {
    // "sada/" names the folder "sada", not an empty name inside it.
    while (target_.size() > 1 && target_.back() == '/') target_.pop_back();
}

OutputFolder::~OutputFolder() {
    if (folder_.empty()) return;
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

iconfile::FileOutcome OutputFolder::Failed(const std::string& relative, int error) const {
    return iconfile::FileOutcome::FromErrno(relative.empty() ? target_ : (fs::path(target_) / relative).string(), error);
}

iconfile::FileOutcome OutputFolder::Create() {
    std::string pattern = (fs::path(ParentOf(target_)) / ("." + fs::path(target_).filename().string() + ".nova-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) return Failed("", errno);
    folder_ = pattern;
    // mkdtemp makes it private; the finished folder gets the permissions of any new folder.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::chmod(folder_.c_str(), 0777 & ~mask) != 0) return Failed("", errno);
    return iconfile::FileOutcome::Success();
}

std::string OutputFolder::PathFor(const std::string& relative) const { return (fs::path(folder_) / relative).string(); }

iconfile::FileOutcome OutputFolder::MakeFolder(const std::string& relative) {
    return ::mkdir(PathFor(relative).c_str(), 0777) == 0 ? iconfile::FileOutcome::Success() : Failed(relative, errno);
}

iconfile::FileOutcome OutputFolder::MakeLink(const std::string& relative, const std::string& linkTarget) {
    return ::symlink(linkTarget.c_str(), PathFor(relative).c_str()) == 0 ? iconfile::FileOutcome::Success()
                                                                         : Failed(relative, errno);
}

iconfile::FileOutcome OutputFolder::WriteFile(const std::string& relative, std::span<const std::uint8_t> bytes) {
    const int descriptor = ::open(PathFor(relative).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0) return Failed(relative, errno);
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) {
            const int error = count < 0 ? errno : ENOSPC;
            ::close(descriptor);
            return Failed(relative, error);
        }
        written += static_cast<std::size_t>(count);
    }
    return ::close(descriptor) == 0 ? iconfile::FileOutcome::Success() : Failed(relative, errno);
}

iconfile::FileOutcome OutputFolder::Commit(bool replacing) {
    if (folder_.empty()) return Failed("", EBADF);
    if (const int error = SyncFileSystemOf(folder_); error != 0) return Failed("", error);
    if (::renameat2(AT_FDCWD, folder_.c_str(), AT_FDCWD, target_.c_str(), RENAME_NOREPLACE) == 0) {
        folder_.clear();
    } else if (errno == EEXIST && replacing) {
        if (::renameat2(AT_FDCWD, folder_.c_str(), AT_FDCWD, target_.c_str(), RENAME_EXCHANGE) != 0)
            return Failed("", errno);
        // The old target now sits at the new folder's name.
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
        folder_.clear();
    } else if (errno == EINVAL || errno == ENOSYS) {
        // A file system without the flags: a plain rename, which replaces only an empty folder.
        if (::rename(folder_.c_str(), target_.c_str()) != 0) return Failed("", errno == ENOTEMPTY ? EEXIST : errno);
        folder_.clear();
    } else {
        return Failed("", errno);
    }
    // After the rename the new folder is in place whatever this says.
    const int parent = ::open(ParentOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parent >= 0) {
        static_cast<void>(::fsync(parent));
        ::close(parent);
    }
    return iconfile::FileOutcome::Success();
}

}  // namespace kurzory
