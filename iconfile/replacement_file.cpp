#include "iconfile/replacement_file.h"

#include <cerrno>
#include <filesystem>
#include <random>

#include "iconfile/blocked_termination_signals.h"
#include "iconfile/system_error_text.h"

namespace iconfile {
namespace fs = std::filesystem;
namespace {

std::string FolderOf(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// What is at the name itself: a link is a name to replace, whatever it points at.
FileStatus StatusOfName(const std::string& path, FileOperations& files) {
    const FileStatus status = files.Status(path);
    if (!status.link) return status;
    FileStatus link;
    link.link = true;
    return link;
}

constexpr std::size_t kLongestFileName = 255;
constexpr char kRandomDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";

}  // namespace

std::string TemporaryNameFor(const std::string& target, std::uint64_t random) {
    std::string name = fs::path(target).filename().string();
    std::string part = ".";
    for (int i = 0; i < 8; ++i, random /= 36) part += kRandomDigits[random % 36];
    part += ".part";
    const std::size_t room = kLongestFileName - 1 - part.size();
    if (name.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
        name.resize(cut);
    }
    const fs::path parent = fs::path(target).parent_path();
    return (parent / ("." + name + part)).string();
}

ReplacementFile::ReplacementFile(const std::string& output, FileOperations& files)
    : files_(files), target_(output), folder_(FolderOf(target_)), targetStatus_(StatusOfName(target_, files)) {}

ReplacementFile::~ReplacementFile() { Abandon(); }

FileOutcome ReplacementFile::Named(const FileOutcome& outcome) const {
    return outcome.succeeded() ? outcome : FileOutcome::Failure(target_, outcome.reason());
}

FileOutcome ReplacementFile::CheckTarget() {
    targetStatus_ = StatusOfName(target_, files_);
    if (targetStatus_.link) return FileOutcome::Success();
    switch (targetStatus_.kind) {
        case FileKind::Missing: return FileOutcome::Success();
        case FileKind::Folder: return FileOutcome::FromErrno(target_, EISDIR);
        case FileKind::Other: return FileOutcome::FromErrno(target_, kNotARegularFile);
        case FileKind::Regular: break;
    }
    FileHandle probe = 0;
    if (FileOutcome opened = files_.OpenForUpdate(target_, probe); !opened.succeeded()) return Named(opened);
    static_cast<void>(files_.Close(probe));
    return FileOutcome::Success();
}

// The name is new and created exclusively, so no one else can have planted a file or link there.
FileOutcome ReplacementFile::Create() {
    Abandon();
    std::random_device entropy;
    std::mt19937_64 generator(entropy());
    FileOutcome outcome = FileOutcome::Success();
    for (int attempt = 0; attempt < 32; ++attempt) {
        std::string candidate = TemporaryNameFor(target_, generator());
        {
            const iconfile::BlockedTerminationSignals held;
            outcome = files_.CreateNew(candidate, handle_);
            if (outcome.succeeded()) {
                temporaryPath_ = std::move(candidate);
                open_ = true;
                removal_.Register(temporaryPath_, false);
            }
        }
        if (outcome.succeeded()) {
            // Set on the open file before any byte is in it, so no one can swap the name meanwhile.
            const bool keepsOld = targetStatus_.kind == FileKind::Regular;
            outcome = files_.SetPermissions(handle_, keepsOld ? &targetStatus_ : nullptr);
            return outcome.succeeded() ? outcome : Abandon(outcome);
        }
        const FileStatus clash = files_.Status(candidate);
        if (clash.kind == FileKind::Missing && !clash.link) break;  // not a clash of names
    }
    return Named(outcome);
}

FileOutcome ReplacementFile::Sync() {
    if (!open_) return FileOutcome::FromErrno(target_, EBADF);
    return Named(files_.Sync(handle_));
}

FileOutcome ReplacementFile::Close() {
    if (!open_) return FileOutcome::FromErrno(target_, EBADF);
    open_ = false;
    return Named(files_.Close(handle_));
}

FileOutcome ReplacementFile::Rename() {
    if (temporaryPath_.empty() || open_) return FileOutcome::FromErrno(target_, EBADF);
    // A signal now would leave either the old file or the new one, and no stray temporary file.
    const iconfile::BlockedTerminationSignals held;
    if (FileOutcome renamed = files_.Rename(temporaryPath_, target_); !renamed.succeeded()) return Named(renamed);
    removal_.Forget();
    temporaryPath_.clear();
    return FileOutcome::Success();
}

FileOutcome ReplacementFile::SyncFolder() { return files_.SyncFolder(folder_); }

FileOutcome ReplacementFile::Commit() {
    for (FileOutcome (ReplacementFile::*step)() : {&ReplacementFile::Sync, &ReplacementFile::Close,
                                                   &ReplacementFile::Rename}) {
        if (FileOutcome done = (this->*step)(); !done.succeeded()) return Abandon(done);
    }
    static_cast<void>(SyncFolder());
    return FileOutcome::Success();
}

void ReplacementFile::Abandon() {
    if (open_) static_cast<void>(files_.Close(handle_));
    open_ = false;
    if (temporaryPath_.empty()) return;
    const iconfile::BlockedTerminationSignals held;
    static_cast<void>(files_.Remove(temporaryPath_));
    removal_.Forget();
    temporaryPath_.clear();
}

FileOutcome ReplacementFile::Abandon(const FileOutcome& failure) {
    Abandon();
    return Named(failure);
}

FileOutcome ReplaceWithBytes(const std::string& path, std::span<const std::uint8_t> bytes, FileOperations& files) {
    ReplacementFile replacement(path, files);
    if (FileOutcome checked = replacement.CheckTarget(); !checked.succeeded()) return checked;
    if (FileOutcome created = replacement.Create(); !created.succeeded()) return created;
    if (FileOutcome written = files.WriteAt(replacement.handle(), 0, bytes); !written.succeeded())
        return replacement.Abandon(written);
    return replacement.Commit();
}

FileOutcome ReplaceWithBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    SystemFileOperations files;
    return ReplaceWithBytes(path, bytes, files);
}

}  // namespace iconfile
