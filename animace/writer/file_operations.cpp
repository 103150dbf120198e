#include "animace/writer/file_operations.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "iconfile/system_error_text.h"

namespace animace {
namespace fs = std::filesystem;
namespace {

std::string ErrorText(int error) {
    return iconfile::SystemErrorText(error != 0 ? error : EIO);
}

int SeekTo(std::FILE* file, std::int64_t offset, int origin) {
#ifdef _WIN32
    return _fseeki64(file, offset, origin);
#else
    return fseeko(file, static_cast<off_t>(offset), origin);
#endif
}

std::int64_t Position(std::FILE* file) {
#ifdef _WIN32
    return _ftelli64(file);
#else
    return static_cast<std::int64_t>(ftello(file));
#endif
}

// Only regular files are opened: a folder would "open" and then fail oddly, a pipe would block.
int NotARegularFile(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) return 0;  // opening reports that itself
    if (fs::is_directory(status)) return EISDIR;
    return fs::is_regular_file(status) ? 0 : EINVAL;
}

}  // namespace

StdioFileOperations::~StdioFileOperations() {
    for (auto& entry : open_) std::fclose(entry.second);
}

std::string StdioFileOperations::Adopt(std::FILE* file, FileHandle& handle) {
    if (file == nullptr) return ErrorText(errno);
    std::setvbuf(file, nullptr, _IONBF, 0);
    handle = next_++;
    open_[handle] = file;
    return {};
}

std::FILE* StdioFileOperations::Find(FileHandle handle) const {
    auto found = open_.find(handle);
    return found == open_.end() ? nullptr : found->second;
}

std::string StdioFileOperations::OpenForUpdate(const std::string& path, FileHandle& handle) {
    if (const int refused = NotARegularFile(path)) return ErrorText(refused);
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    if (file == nullptr && errno == ENOENT) {
        // Exclusive creation, so a file that appears meanwhile is opened, never emptied.
        errno = 0;
        file = std::fopen(path.c_str(), "w+bx");
        if (file == nullptr && errno == EEXIST) {
            errno = 0;
            file = std::fopen(path.c_str(), "r+b");
        }
    }
    return Adopt(file, handle);
}

std::string StdioFileOperations::OpenForReading(const std::string& path, FileHandle& handle) {
    if (const int refused = NotARegularFile(path)) return ErrorText(refused);
    errno = 0;
    return Adopt(std::fopen(path.c_str(), "rb"), handle);
}

std::string StdioFileOperations::Length(FileHandle handle, std::int64_t& length) {
    std::FILE* file = Find(handle);
    if (file == nullptr) return ErrorText(EBADF);
    errno = 0;
    if (SeekTo(file, 0, SEEK_END) != 0) return ErrorText(errno);
    const std::int64_t end = Position(file);
    if (end < 0) return ErrorText(errno);
    length = end;
    return {};
}

std::string StdioFileOperations::ReadAt(FileHandle handle, std::int64_t offset, std::span<std::uint8_t> into) {
    std::FILE* file = Find(handle);
    if (file == nullptr) return ErrorText(EBADF);
    errno = 0;
    if (SeekTo(file, offset, SEEK_SET) != 0) return ErrorText(errno);
    if (std::fread(into.data(), 1, into.size(), file) != into.size()) {
        // End of file before the block was full: the file shrank since it was measured.
        const int error = std::ferror(file) ? errno : EIO;
        std::clearerr(file);
        return ErrorText(error);
    }
    return {};
}

std::string StdioFileOperations::WriteAt(FileHandle handle, std::int64_t offset,
                                         std::span<const std::uint8_t> bytes) {
    std::FILE* file = Find(handle);
    if (file == nullptr) return ErrorText(EBADF);
    errno = 0;
    if (SeekTo(file, offset, SEEK_SET) != 0) return ErrorText(errno);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fflush(file) != 0) {
        const int error = errno;
        std::clearerr(file);
        return ErrorText(error);
    }
    return {};
}

std::string StdioFileOperations::Close(FileHandle handle) {
    if (auto failed = failedCloses_.find(handle); failed != failedCloses_.end()) return failed->second;
    std::FILE* file = Find(handle);
    if (file == nullptr) return ErrorText(EBADF);
    open_.erase(handle);
    errno = 0;
    if (std::fclose(file) == 0) return {};
    const std::string text = ErrorText(errno);
    failedCloses_[handle] = text;
    return text;
}

std::string StdioFileOperations::Remove(const std::string& path) {
    errno = 0;
    return std::remove(path.c_str()) == 0 ? std::string() : ErrorText(errno);
}

bool StdioFileOperations::SizeOf(const std::string& path, std::int64_t& size) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return false;
    const auto found = fs::file_size(path, error);
    if (error) return false;
    size = static_cast<std::int64_t>(found);
    return true;
}

bool StdioFileOperations::SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return fs::equivalent(a, b, error) && !error;
}

bool ScriptedFileOperations::Fails(const std::string& entry) {
    log.push_back(entry);
    const std::size_t number = log.size();
    if (failFrom != 0 && number >= failFrom && number < failFrom + failCount) return true;
    if (matchingFailures > 0 && !failMatching.empty() &&
        (entry == failMatching || entry.starts_with(failMatching + " "))) {
        --matchingFailures;
        return true;
    }
    return false;
}

std::string ScriptedFileOperations::OpenForUpdate(const std::string& path, FileHandle& handle) {
    return Fails("open-update " + path) ? failureText : real_.OpenForUpdate(path, handle);
}

std::string ScriptedFileOperations::OpenForReading(const std::string& path, FileHandle& handle) {
    return Fails("open-read " + path) ? failureText : real_.OpenForReading(path, handle);
}

std::string ScriptedFileOperations::Length(FileHandle handle, std::int64_t& length) {
    return Fails("length") ? failureText : real_.Length(handle, length);
}

std::string ScriptedFileOperations::ReadAt(FileHandle handle, std::int64_t offset, std::span<std::uint8_t> into) {
    return Fails("read " + std::to_string(offset)) ? failureText : real_.ReadAt(handle, offset, into);
}

std::string ScriptedFileOperations::WriteAt(FileHandle handle, std::int64_t offset,
                                            std::span<const std::uint8_t> bytes) {
    if (!Fails("write " + std::to_string(offset))) return real_.WriteAt(handle, offset, bytes);
    if (partialWrites && bytes.size() > 1) {
        static_cast<void>(real_.WriteAt(handle, offset, bytes.first(bytes.size() / 2)));
    }
    return failureText;
}

std::string ScriptedFileOperations::Close(FileHandle handle) {
    return Fails("close") ? failureText : real_.Close(handle);
}

std::string ScriptedFileOperations::Remove(const std::string& path) {
    return Fails("remove " + path) ? failureText : real_.Remove(path);
}

}  // namespace animace
