#pragma once
// A whole output folder that appears complete or not at all: everything goes into a new hidden
// folder beside the target, which is renamed into place at the end. An existing target is
// swapped out in one step and only then removed; a folder never committed is removed again.
// Files are not flushed one by one: the commit flushes the file system once before the rename.
#include <cstdint>
#include <span>
#include <string>

#include "iconfile/file_outcome.h"

namespace kurzory {

class OutputFolder {
public:
    explicit OutputFolder(std::string target);
    ~OutputFolder();
    OutputFolder(const OutputFolder&) = delete;
    OutputFolder& operator=(const OutputFolder&) = delete;

    // Makes the new, empty folder beside the target.
    iconfile::FileOutcome Create();
    // A folder, a file and a symbolic link inside, each `relative` to the folder being built;
    // failures name the place under the target's name.
    iconfile::FileOutcome MakeFolder(const std::string& relative);
    iconfile::FileOutcome WriteFile(const std::string& relative, std::span<const std::uint8_t> bytes);
    iconfile::FileOutcome MakeLink(const std::string& relative, const std::string& linkTarget);
    // The path of `relative` inside, for a writer that makes the file itself.
    std::string PathFor(const std::string& relative) const;
    // Puts every written byte on the disk and renames the new folder to the target; with
    // `replacing` an existing target is exchanged with it and then removed.
    iconfile::FileOutcome Commit(bool replacing);

    const std::string& target() const { return target_; }

private:
    iconfile::FileOutcome Failed(const std::string& relative, int error) const;

    std::string target_;
    std::string folder_;
};

}  // namespace kurzory
