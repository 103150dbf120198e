#include "iconfile/replacement_file.h"

#include <cerrno>
#include <filesystem>
#include <random>

#include "iconfile/system_error_text.h"

namespace iconfile {
namespace fs = std::filesystem;
namespace {

std::string FolderOf(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

std::string ReplacedFile(const std::string& output, FileOperations& files) {
    return files.Status(output).link ? files.Canonical(output) : output;
}

}  // namespace

ReplacementFile::ReplacementFile(const std::string& output, FileOperations& files)
    : files_(files), target_(ReplacedFile(output, files)), folder_(FolderOf(target_)), targetStatus_(files.Status(target_)) {}

ReplacementFile::~ReplacementFile() { Abandon(); }

FileOutcome ReplacementFile::Named(const FileOutcome& outcome) const {
    return outcome.succeeded() ? outcome : FileOutcome::Failure(target_, outcome.reason());
}

FileOutcome ReplacementFile::CheckTarget() {
    targetStatus_ = files_.Status(target_);
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
    const std::string name = fs::path(target_).filename().string();
    FileOutcome outcome = FileOutcome::Success();
    for (int attempt = 0; attempt < 32; ++attempt) {
        std::string candidate =
            (fs::path(folder_) / ("." + name + "." + std::to_string(generator() % 1000000000) + ".part")).string();
        outcome = files_.CreateNew(candidate, handle_);
        if (outcome.succeeded()) {
            temporaryPath_ = std::move(candidate);
            open_ = true;
            return outcome;
        }
        if (files_.Status(candidate).kind == FileKind::Missing) break;  // not a clash of names
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
    // The new file keeps the old one's permission bits; a new target gets the usual mode.
    if (targetStatus_.kind == FileKind::Regular) {
        if (FileOutcome kept = files_.SetPermissions(temporaryPath_, targetStatus_.permissions); !kept.succeeded())
            return Named(kept);
    }
    if (FileOutcome renamed = files_.Rename(temporaryPath_, target_); !renamed.succeeded()) return Named(renamed);
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
    if (!temporaryPath_.empty()) static_cast<void>(files_.Remove(temporaryPath_));
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
