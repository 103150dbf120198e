#include "iconfile/patched_copy.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "iconfile/header_byte.h"

namespace iconfile {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// The file a write to `output` really replaces: a symbolic link is followed to its target.
fs::path ReplacedFile(const fs::path& output) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(output, error))) return output;
    fs::path resolved = fs::weakly_canonical(output, error);
    return error ? output : resolved;
}

// Creates a new file beside `target` that no one else can have planted there.
FileHandle CreateExclusiveTemporary(const fs::path& target, fs::path& temporaryPath, int& errorNumber) {
    std::random_device entropy;
    std::mt19937_64 generator(entropy());
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 32; ++attempt) {
        temporaryPath = folder / ("." + target.filename().string() + "." + std::to_string(generator() % 1000000000) +
                                  ".part");
        errno = 0;
        FileHandle file(std::fopen(temporaryPath.c_str(), "wbx"));
        if (file) return file;
        errorNumber = errno;
        if (errorNumber != EEXIST) return nullptr;
    }
    return nullptr;
}

bool WriteZeros(std::FILE* file, std::uint64_t count) {
    static const std::vector<char> zeros(kBlockSize, 0);
    while (count > 0) {
        const std::size_t chunk = count < kBlockSize ? static_cast<std::size_t>(count) : kBlockSize;
        if (std::fwrite(zeros.data(), 1, chunk, file) != chunk) return false;
        count -= chunk;
    }
    return true;
}

// Streams `input` into `output` block by block; returns the number of bytes copied or -1.
std::int64_t CopyWhole(std::FILE* input, std::FILE* output, bool& readFailed) {
    std::vector<char> block(kBlockSize);
    std::int64_t copied = 0;
    while (true) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), input);
        if (got > 0 && std::fwrite(block.data(), 1, got, output) != got) return -1;
        copied += static_cast<std::int64_t>(got);
        if (got < block.size()) {
            readFailed = std::ferror(input) != 0;
            return readFailed ? -1 : copied;
        }
    }
}

bool ApplyPatches(std::FILE* file, std::uint64_t length, std::span<const BytePatch> patches) {
    for (const BytePatch& patch : patches) {
        if (patch.offset >= length) {
            if (std::fseek(file, 0, SEEK_END) != 0 || !WriteZeros(file, patch.offset - length)) return false;
            length = patch.offset + 1;
        } else if (std::fseek(file, static_cast<long>(patch.offset), SEEK_SET) != 0) {
            return false;
        }
        if (std::fputc(patch.value, file) == EOF) return false;
    }
    return true;
}

}  // namespace

FileOutcome PatchedCopy(const fs::path& input, const fs::path& output, std::span<const BytePatch> patches) {
    std::error_code error;
    if (!IsRegularFile(input)) {
        const bool exists = fs::exists(fs::status(input, error));
        return FileOutcome::FromErrno(input.string(), exists ? EINVAL : ENOENT);
    }
    const fs::path target = ReplacedFile(output);
    const fs::file_status targetStatus = fs::status(target, error);
    const bool targetExists = fs::exists(targetStatus);
    if (targetExists) {
        if (fs::is_directory(targetStatus)) return FileOutcome::FromErrno(target.string(), EISDIR);
        // Fails exactly when opening the target for writing would, without changing it.
        errno = 0;
        FileHandle probe(std::fopen(target.c_str(), "r+b"));
        if (!probe) return FileOutcome::FromErrno(target.string(), errno);
    }

    errno = 0;
    FileHandle source(std::fopen(input.c_str(), "rb"));
    if (!source) return FileOutcome::FromErrno(input.string(), errno);

    fs::path temporaryPath;
    int createError = 0;
    FileHandle scratch = CreateExclusiveTemporary(target, temporaryPath, createError);
    if (!scratch) return FileOutcome::FromErrno(target.string(), createError);

    auto failWith = [&](const fs::path& culprit, int errorNumber) {
        scratch.reset();
        std::error_code ignored;
        fs::remove(temporaryPath, ignored);
        return FileOutcome::FromErrno(culprit.string(), errorNumber != 0 ? errorNumber : EIO);
    };

    bool readFailed = false;
    errno = 0;
    const std::int64_t length = CopyWhole(source.get(), scratch.get(), readFailed);
    if (length < 0) return failWith(readFailed ? input : target, errno);
    source.reset();
    errno = 0;
    if (!ApplyPatches(scratch.get(), static_cast<std::uint64_t>(length), patches)) return failWith(target, errno);
    errno = 0;
    if (std::fflush(scratch.get()) != 0) return failWith(target, errno);
    errno = 0;
    const int closeResult = std::fclose(scratch.release());
    if (closeResult != 0) return failWith(target, errno);

    if (targetExists) {
        fs::permissions(temporaryPath, targetStatus.permissions(), fs::perm_options::replace, error);
        if (error) return failWith(target, error.value());
    }
    fs::rename(temporaryPath, target, error);
    if (error) return failWith(target, error.value());
    return FileOutcome::Success();
}

}  // namespace iconfile
