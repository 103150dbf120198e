#include "iconfile/replacement_folder.h"

#include <cerrno>
#include <filesystem>
#include <random>
#include <sys/stat.h>

#include "iconfile/blocked_termination_signals.h"
#include "iconfile/replacement_file.h"

namespace iconfile {
namespace fs = std::filesystem;

ReplacementFolder::ReplacementFolder(std::string target, FileOperations& files)
    : files_(files), target_(std::move(target)) {
    // "theme/" names the folder "theme", not an empty name inside it.
    while (target_.size() > 1 && target_.back() == '/') target_.pop_back();
}

std::string ReplacementFolder::Inside(const std::string& relative) const {
    return (fs::path(temporary_) / relative).string();
}

void ReplacementFolder::Keep(const std::string& path, bool folder) {
    removals_.emplace_back().Register(path, folder);
    if (folder) folders_.push_back(path);
}

FileOutcome ReplacementFolder::Create() {
    Abandon();
    std::random_device entropy;
    std::mt19937_64 generator(entropy());
    int error = 0;
    for (int attempt = 0; attempt < 32; ++attempt) {
        std::string candidate = TemporaryNameFor(target_, generator());
        const iconfile::BlockedTerminationSignals held;
        if (::mkdir(candidate.c_str(), 0777) == 0) {
            temporary_ = std::move(candidate);
            Keep(temporary_, true);
            return FileOutcome::Success();
        }
        error = errno;
        if (error != EEXIST) break;
    }
    return FileOutcome::FromErrno(target_, error);
}

FileOutcome ReplacementFolder::MakeFolder(const std::string& relative) {
    if (temporary_.empty()) return FileOutcome::FromErrno(target_, EBADF);
    const std::string path = Inside(relative);
    const iconfile::BlockedTerminationSignals held;
    if (::mkdir(path.c_str(), 0777) != 0) return FileOutcome::FromErrno((fs::path(target_) / relative).string(), errno);
    Keep(path, true);
    return FileOutcome::Success();
}

FileOutcome ReplacementFolder::WriteFile(const std::string& relative, std::span<const std::uint8_t> bytes) {
    if (temporary_.empty()) return FileOutcome::FromErrno(target_, EBADF);
    const std::string path = Inside(relative);
    const std::string shown = (fs::path(target_) / relative).string();
    ReplacementFile file(path, files_);
    FileOutcome outcome = file.Create();
    if (outcome.succeeded()) outcome = files_.WriteAt(file.handle(), 0, bytes);
    if (outcome.succeeded()) {
        // Kept for removal before the rename that puts it in place, so no signal can strand it.
        const iconfile::BlockedTerminationSignals held;
        Keep(path, false);
        outcome = file.Commit();
    }
    return outcome.succeeded() ? outcome : FileOutcome::Failure(shown, outcome.reason());
}

FileOutcome ReplacementFolder::Commit() {
    if (temporary_.empty()) return FileOutcome::FromErrno(target_, EBADF);
    for (const std::string& folder : folders_) {
        if (FileOutcome synced = files_.SyncFolder(folder); !synced.succeeded()) {
            Abandon();
            return FileOutcome::Failure(target_, synced.reason());
        }
    }
    {
        const iconfile::BlockedTerminationSignals held;
        // rename() would also replace an empty folder made meanwhile; that is still whole.
        if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
            const int error = errno;
            Abandon();
            return FileOutcome::FromErrno(target_, error == ENOTEMPTY ? EEXIST : error);
        }
        removals_.clear();
        folders_.clear();
        temporary_.clear();
    }
    const fs::path parent = fs::path(target_).parent_path();
    static_cast<void>(files_.SyncFolder(parent.empty() ? "." : parent.string()));
    return FileOutcome::Success();
}

void ReplacementFolder::Abandon() {
    if (temporary_.empty()) return;
    const iconfile::BlockedTerminationSignals held;
    std::error_code error;
    fs::remove_all(temporary_, error);
    removals_.clear();
    folders_.clear();
    temporary_.clear();
}

}  // namespace iconfile
