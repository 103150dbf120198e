#pragma once
// Writing a file so that it replaces its target only once complete: the bytes go to a new
// temporary file beside the target; it is flushed to the disk, closed and renamed over the
// target, and the folder is flushed too. Until the rename the old target stays untouched, and a
// temporary file that is not renamed is removed, also when a termination signal ends the tool.
#include <cstdint>
#include <span>
#include <string>

#include "iconfile/removed_on_termination.h"
#include "iconfile/file_operations.h"

namespace iconfile {

class ReplacementFile {
public:
    // A symbolic link at `output` is never followed: the link itself is replaced by the new file,
    // so a link planted at the name cannot send the bytes elsewhere.
    ReplacementFile(const std::string& output, FileOperations& files);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Fails exactly when opening an existing target for writing would, without changing it.
    FileOutcome CheckTarget();
    bool targetExists() const { return targetStatus_.kind != FileKind::Missing; }
    std::int64_t targetLength() const { return targetStatus_.size; }

    // The steps, each reported under the target's name; handle() is valid from Create to Close.
    // Create gives the new file the old target's permission bits (or the usual mode) at once.
    FileOutcome Create();
    FileHandle handle() const { return handle_; }
    FileOutcome Sync();
    FileOutcome Close();
    // Renames the temporary file over the target, the termination signals held meanwhile.
    FileOutcome Rename();
    // After the rename the new file is in place whatever this says: some file systems cannot
    // flush a folder at all.
    FileOutcome SyncFolder();

    // Sync, Close, Rename and SyncFolder; a failure before the rename abandons the file.
    FileOutcome Commit();
    // Closes and removes the temporary file, if any.
    void Abandon();
    // Abandons and reports `failure` under the target's name.
    FileOutcome Abandon(const FileOutcome& failure);

    const std::string& target() const { return target_; }

private:
    FileOutcome Named(const FileOutcome& outcome) const;

    FileOperations& files_;
    std::string target_;
    std::string folder_;
    FileStatus targetStatus_;
    std::string temporaryPath_;
    FileHandle handle_ = 0;
    bool open_ = false;
    iconfile::RemovedOnTermination removal_;
};

// The temporary name beside `target`: ".NAME.RANDOM.part", NAME cut (never inside a character)
// so that the whole stays within the file-name limit of 255 bytes.
std::string TemporaryNameFor(const std::string& target, std::uint64_t random);

// Writes `bytes` as the whole new content of `path` through a replacement file.
FileOutcome ReplaceWithBytes(const std::string& path, std::span<const std::uint8_t> bytes, FileOperations& files);
FileOutcome ReplaceWithBytes(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace iconfile
