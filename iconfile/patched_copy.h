#pragma once
#include <cstdint>
#include <filesystem>
#include <span>

#include "iconfile/file_operations.h"

namespace iconfile {

struct BytePatch {
    std::uint64_t offset;
    std::uint8_t value;
};

// Copies `input` to `output` with the patches applied in order. A patch beyond the end extends
// the output up to and including the patched byte, with 0 bytes in any gap. The output may be
// the input itself. The new bytes go to a temporary file beside the target that replaces it
// only once complete, so a failure leaves the old target (and the input) untouched.
FileOutcome PatchedCopy(const std::filesystem::path& input, const std::filesystem::path& output,
                        std::span<const BytePatch> patches, FileOperations& files);
FileOutcome PatchedCopy(const std::filesystem::path& input, const std::filesystem::path& output,
                        std::span<const BytePatch> patches);

// Whether `existing` already holds exactly the bytes PatchedCopy would write from `input`. False
// when either cannot be read or is no regular file.
bool HoldsPatchedCopy(const std::filesystem::path& existing, const std::filesystem::path& input,
                      std::span<const BytePatch> patches, FileOperations& files);

}  // namespace iconfile
