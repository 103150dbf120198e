#include "iconfile/patched_copy.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "iconfile/header_byte.h"
#include "iconfile/replacement_file.h"

namespace iconfile {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

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
    ReplacementFile replacement(output);
    if (FileOutcome checked = replacement.CheckTarget(); !checked.succeeded()) return checked;

    errno = 0;
    FileHandle source(std::fopen(input.c_str(), "rb"));
    if (!source) return FileOutcome::FromErrno(input.string(), errno);
    if (FileOutcome created = replacement.Create(); !created.succeeded()) return created;

    bool readFailed = false;
    errno = 0;
    const std::int64_t length = CopyWhole(source.get(), replacement.file(), readFailed);
    if (length < 0) return replacement.Abandon(readFailed ? input : replacement.target(), errno);
    source.reset();
    errno = 0;
    if (!ApplyPatches(replacement.file(), static_cast<std::uint64_t>(length), patches))
        return replacement.Abandon(replacement.target(), errno);
    return replacement.Commit();
}

}  // namespace iconfile
