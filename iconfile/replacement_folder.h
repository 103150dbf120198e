#pragma once
// A folder built whole or not at all: its folders and files are made inside a new temporary
// folder beside the target, and that is renamed to the target's name once everything is on the
// disk. Until then nothing shows at the target; a folder not put in place is removed with all it
// holds, also when a termination signal ends the tool.
#include <cstdint>
#include <deque>
#include <span>
#include <string>

#include "iconfile/removed_on_termination.h"
#include "iconfile/file_operations.h"

namespace iconfile {

class ReplacementFolder {
public:
    // `target` must not exist yet when Commit renames.
    ReplacementFolder(std::string target, FileOperations& files);
    ~ReplacementFolder() { Abandon(); }
    ReplacementFolder(const ReplacementFolder&) = delete;
    ReplacementFolder& operator=(const ReplacementFolder&) = delete;

    // Makes the empty temporary folder; failures name the target.
    FileOutcome Create();
    // A folder inside, `relative` to the folder being built ("cursors").
    FileOutcome MakeFolder(const std::string& relative);
    // A complete file inside, written through a replacement file and flushed.
    FileOutcome WriteFile(const std::string& relative, std::span<const std::uint8_t> bytes);
    // Flushes the folders and renames the whole into place.
    FileOutcome Commit();
    // Removes the temporary folder and everything in it.
    void Abandon();

    const std::string& target() const { return target_; }

private:
    std::string Inside(const std::string& relative) const;
    void Keep(const std::string& path, bool folder);

    FileOperations& files_;
    std::string target_;
    std::string temporary_;
    std::deque<std::string> folders_;
    // Removed by a termination signal: files first, then folders, innermost first.
    std::deque<iconfile::RemovedOnTermination> removals_;
};

}  // namespace iconfile
