#include "kurzory/output_file.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "kurzory/messages.h"

namespace kurzory {
namespace fs = std::filesystem;

std::optional<std::string> ChosenOr(const std::string* chosen, std::optional<std::string> ownOutput) {
    return chosen ? std::optional<std::string>(*chosen) : ownOutput;
}

std::string RefusedOutput(const std::string& path, bool force) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (force || !fs::exists(status)) return {};
    // Folders and devices are left to the writing, which reports them with the system's reason.
    if (!fs::is_regular_file(status)) return {};
    const std::uintmax_t length = fs::file_size(path, error);
    return !error && length == 0 ? std::string() : OutputExistsText(path);
}

bool SameExistingFile(const std::string& first, const std::string& second) {
    std::error_code error;
    return fs::equivalent(first, second, error) && !error;
}

iconfile::FileOutcome StartReplacement(iconfile::ReplacementFile& replacement) {
    if (iconfile::FileOutcome checked = replacement.CheckTarget(); !checked.succeeded()) return checked;
    return replacement.Create();
}

int SyncToDisk(const fs::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return errno != 0 ? errno : EIO;
    const int result = ::fsync(descriptor) == 0 ? 0 : (errno != 0 ? errno : EIO);
    ::close(descriptor);
    return result;
}

}  // namespace kurzory
