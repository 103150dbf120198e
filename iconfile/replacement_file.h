#pragma once
// Writing a file so that it replaces its target only once complete: the bytes go to a new
// temporary file beside the target, which is renamed over it at the end. A failure at any step
// removes the temporary file and leaves the old target untouched.
#include <cstdio>
#include <filesystem>
#include <memory>

#include "iconfile/file_outcome.h"

namespace iconfile {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

class ReplacementFile {
public:
    // A symbolic link at `output` is followed: its target is what gets replaced.
    explicit ReplacementFile(const std::filesystem::path& output);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Fails exactly when opening an existing target for writing would, without changing it.
    FileOutcome CheckTarget() const;
    // Creates the temporary file; file() is valid afterwards.
    FileOutcome Create();
    std::FILE* file() const { return file_.get(); }
    // Flushes and closes the temporary file, gives it the old target's permission bits and
    // renames it over the target.
    FileOutcome Commit();
    // Closes and removes the temporary file; returns the failure to report for `culprit`.
    FileOutcome Abandon(const std::filesystem::path& culprit, int errorNumber);

    const std::filesystem::path& target() const { return target_; }
    // The temporary file's path, for writers that open it themselves; empty before Create().
    const std::filesystem::path& temporaryPath() const { return temporaryPath_; }

private:
    std::filesystem::path target_;
    std::filesystem::file_status targetStatus_;
    bool targetExists_ = false;
    std::filesystem::path temporaryPath_;
    FileHandle file_;
};

}  // namespace iconfile
