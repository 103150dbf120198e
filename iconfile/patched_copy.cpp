#include "iconfile/patched_copy.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "iconfile/replacement_file.h"
#include "iconfile/system_error_text.h"

namespace iconfile {
namespace fs = std::filesystem;
namespace {

constexpr std::int64_t kBlockSize = 64 * 1024;

// The input's bytes stream block by block into the temporary file.
FileOutcome CopyWhole(FileOperations& files, FileHandle source, std::int64_t length, ReplacementFile& replacement) {
    std::vector<std::uint8_t> block(static_cast<std::size_t>(std::min(length, kBlockSize)));
    for (std::int64_t done = 0; done < length;) {
        const std::span<std::uint8_t> chunk(block.data(), static_cast<std::size_t>(std::min(kBlockSize, length - done)));
        if (FileOutcome read = files.ReadAt(source, done, chunk); !read.succeeded()) return read;
        if (FileOutcome written = files.WriteAt(replacement.handle(), done, chunk); !written.succeeded())
            return written;
        done += static_cast<std::int64_t>(chunk.size());
    }
    return FileOutcome::Success();
}

// A patch beyond the end writes its byte there; the gap reads as zeros once written over.
FileOutcome ApplyPatches(FileOperations& files, ReplacementFile& replacement, std::int64_t length,
                         std::span<const BytePatch> patches) {
    static const std::vector<std::uint8_t> zeros(static_cast<std::size_t>(kBlockSize), 0);
    for (const BytePatch& patch : patches) {
        const auto offset = static_cast<std::int64_t>(std::min<std::uint64_t>(patch.offset, INT64_MAX - 1));
        for (; length < offset;) {
            const std::span<const std::uint8_t> gap(zeros.data(),
                                                    static_cast<std::size_t>(std::min(kBlockSize, offset - length)));
            if (FileOutcome written = files.WriteAt(replacement.handle(), length, gap); !written.succeeded())
                return written;
            length += static_cast<std::int64_t>(gap.size());
        }
        const std::uint8_t value[1] = {patch.value};
        if (FileOutcome written = files.WriteAt(replacement.handle(), offset, value); !written.succeeded())
            return written;
        length = std::max(length, offset + 1);
    }
    return FileOutcome::Success();
}

// Reads both files block by block; the input's block gets its patches and, past its end, zeros.
bool SameBlocks(FileOperations& files, FileHandle existing, FileHandle input, std::int64_t inputLength,
                std::int64_t length, std::span<const BytePatch> patches) {
    std::vector<std::uint8_t> expected(static_cast<std::size_t>(std::min(length, kBlockSize)));
    std::vector<std::uint8_t> found(expected.size());
    for (std::int64_t done = 0; done < length; done += static_cast<std::int64_t>(expected.size())) {
        const auto size = static_cast<std::size_t>(std::min(kBlockSize, length - done));
        expected.assign(size, 0);
        found.resize(size);
        const auto fromInput = static_cast<std::size_t>(std::clamp<std::int64_t>(inputLength - done, 0, kBlockSize));
        if (fromInput > 0 && !files.ReadAt(input, done, std::span(expected).first(std::min(size, fromInput))).succeeded())
            return false;
        for (const BytePatch& patch : patches)
            if (patch.offset >= static_cast<std::uint64_t>(done) && patch.offset - static_cast<std::uint64_t>(done) < size)
                expected[static_cast<std::size_t>(patch.offset - static_cast<std::uint64_t>(done))] = patch.value;
        if (!files.ReadAt(existing, done, found).succeeded() || found != expected) return false;
    }
    return true;
}

}  // namespace

bool HoldsPatchedCopy(const fs::path& existing, const fs::path& input, std::span<const BytePatch> patches,
                      FileOperations& files) {
    if (files.Status(existing.string()).kind != FileKind::Regular || files.Status(input.string()).kind != FileKind::Regular)
        return false;
    FileHandle existingHandle = 0, inputHandle = 0;
    if (!files.OpenForReading(existing.string(), existingHandle).succeeded()) return false;
    bool same = files.OpenForReading(input.string(), inputHandle).succeeded();
    std::int64_t existingLength = 0, inputLength = 0;
    if (same) {
        same = files.Length(existingHandle, existingLength).succeeded() && files.Length(inputHandle, inputLength).succeeded();
        std::int64_t length = inputLength;
        for (const BytePatch& patch : patches)
            length = std::max(length, static_cast<std::int64_t>(std::min<std::uint64_t>(patch.offset, INT64_MAX - 1)) + 1);
        same = same && existingLength == length && SameBlocks(files, existingHandle, inputHandle, inputLength, length, patches);
        (void)files.Close(inputHandle);
    }
    (void)files.Close(existingHandle);
    return same;
}

FileOutcome PatchedCopy(const fs::path& input, const fs::path& output, std::span<const BytePatch> patches,
                        FileOperations& files) {
    switch (files.Status(input.string()).kind) {
        case FileKind::Missing: return FileOutcome::FromErrno(input.string(), ENOENT);
        case FileKind::Folder: return FileOutcome::FromErrno(input.string(), EISDIR);
        case FileKind::Other: return FileOutcome::FromErrno(input.string(), kNotARegularFile);
        case FileKind::Regular: break;
    }
    ReplacementFile replacement(output.string(), files);
    if (FileOutcome checked = replacement.CheckTarget(); !checked.succeeded()) return checked;

    FileHandle source = 0;
    if (FileOutcome opened = files.OpenForReading(input.string(), source); !opened.succeeded()) return opened;
    std::int64_t length = 0;
    FileOutcome outcome = files.Length(source, length);
    if (outcome.succeeded()) outcome = replacement.Create();
    if (outcome.succeeded()) outcome = CopyWhole(files, source, length, replacement);
    if (FileOutcome closed = files.Close(source); outcome.succeeded()) outcome = closed;
    if (outcome.succeeded()) outcome = ApplyPatches(files, replacement, length, patches);
    if (outcome.succeeded()) return replacement.Commit();
    // A failure of the input names the input; any other names the file being replaced.
    if (outcome.path() == input.string()) {
        replacement.Abandon();
        return outcome;
    }
    return replacement.Abandon(outcome);
}

FileOutcome PatchedCopy(const fs::path& input, const fs::path& output, std::span<const BytePatch> patches) {
    SystemFileOperations files;
    return PatchedCopy(input, output, patches, files);
}

}  // namespace iconfile
