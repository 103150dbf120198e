#include "iconfile/replacement_file.h"

#include <cerrno>
#include <random>
#include <string>

namespace iconfile {
namespace fs = std::filesystem;
namespace {

fs::path ReplacedFile(const fs::path& output) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(output, error))) return output;
    fs::path resolved = fs::weakly_canonical(output, error);
    return error ? output : resolved;
}

}  // namespace

ReplacementFile::ReplacementFile(const fs::path& output) : target_(ReplacedFile(output)) {
    std::error_code error;
    targetStatus_ = fs::status(target_, error);
    targetExists_ = fs::exists(targetStatus_);
}

ReplacementFile::~ReplacementFile() {
    if (temporaryPath_.empty()) return;
    file_.reset();
    std::error_code ignored;
    fs::remove(temporaryPath_, ignored);
}

FileOutcome ReplacementFile::CheckTarget() const {
    if (!targetExists_) return FileOutcome::Success();
    if (fs::is_directory(targetStatus_)) return FileOutcome::FromErrno(target_.string(), EISDIR);
    errno = 0;
    FileHandle probe(std::fopen(target_.c_str(), "r+b"));
    if (!probe) return FileOutcome::FromErrno(target_.string(), errno);
    return FileOutcome::Success();
}

// The name is new and opened exclusively, so no one else can have planted a file or link there.
FileOutcome ReplacementFile::Create() {
    std::random_device entropy;
    std::mt19937_64 generator(entropy());
    const fs::path folder = target_.has_parent_path() ? target_.parent_path() : fs::path(".");
    int errorNumber = EEXIST;
    for (int attempt = 0; attempt < 32; ++attempt) {
        fs::path candidate =
            folder / ("." + target_.filename().string() + "." + std::to_string(generator() % 1000000000) + ".part");
        errno = 0;
        file_.reset(std::fopen(candidate.c_str(), "wbx"));
        if (file_) {
            temporaryPath_ = std::move(candidate);
            return FileOutcome::Success();
        }
        errorNumber = errno;
        if (errorNumber != EEXIST) break;
    }
    return FileOutcome::FromErrno(target_.string(), errorNumber);
}

FileOutcome ReplacementFile::Abandon(const fs::path& culprit, int errorNumber) {
    file_.reset();
    std::error_code ignored;
    if (!temporaryPath_.empty()) fs::remove(temporaryPath_, ignored);
    temporaryPath_.clear();
    return FileOutcome::FromErrno(culprit.string(), errorNumber != 0 ? errorNumber : EIO);
}

FileOutcome ReplacementFile::Commit() {
    if (!file_) return Abandon(target_, EBADF);
    errno = 0;
    if (std::fflush(file_.get()) != 0) return Abandon(target_, errno);
    errno = 0;
    const int closeResult = std::fclose(file_.release());
    if (closeResult != 0) return Abandon(target_, errno);
    std::error_code error;
    if (targetExists_) {
        fs::permissions(temporaryPath_, targetStatus_.permissions(), fs::perm_options::replace, error);
        if (error) return Abandon(target_, error.value());
    }
    fs::rename(temporaryPath_, target_, error);
    if (error) return Abandon(target_, error.value());
    temporaryPath_.clear();
    return FileOutcome::Success();
}

}  // namespace iconfile
