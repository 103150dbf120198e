#include "kurzory/output_file.h"

#include <filesystem>

#include "iconfile/replacement_file.h"

#include "kurzory/messages.h"

namespace kurzory {
namespace fs = std::filesystem;

std::optional<std::string> ChosenOr(const std::string* chosen, std::optional<std::string> ownOutput) {
    return chosen ? std::optional<std::string>(*chosen) : ownOutput;
}

std::string RefusedOutput(const std::string& path, bool force) {
    std::error_code error;
    if (force) return {};
    // A link at the name is replaced itself, never written through: that too needs --force.
    if (fs::is_symlink(fs::symlink_status(path, error))) return OutputExistsText(path);
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) return {};
    // Folders and devices are left to the writing, which reports them with the system's reason.
    if (!fs::is_regular_file(status)) return {};
    const std::uintmax_t length = fs::file_size(path, error);
    return !error && length == 0 ? std::string() : OutputExistsText(path);
}

bool SameExistingFile(const std::string& first, const std::string& second) {
    std::error_code error;
    return fs::equivalent(first, second, error) && !error;
}

iconfile::FileOutcome WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    return iconfile::ReplaceWithBytes(path, bytes);
}

}  // namespace kurzory
