#include "iconfile/icon_conversions.h"

#include <algorithm>
#include <array>
#include <vector>

#include "iconfile/icon_records.h"
#include "iconfile/output_path.h"
#include "iconfile/patched_copy.h"

namespace iconfile {

namespace {

// How many directory entries the cursor announces and wholly holds; 1 when that cannot be read.
std::size_t EntriesToClear(const std::string& inputPath, FileOperations& files) {
    std::size_t count = 1;
    FileHandle handle = 0;
    if (!files.OpenForReading(inputPath, handle).succeeded()) return count;
    std::int64_t length = 0;
    std::array<std::uint8_t, 2> announced{};
    if (files.Length(handle, length).succeeded() &&
        files.ReadAt(handle, static_cast<std::int64_t>(offsets::kImageCountLow), announced).succeeded()) {
        const auto present = static_cast<std::size_t>(std::max<std::int64_t>(
            0, (length - static_cast<std::int64_t>(IconFileHeader::kSize)) / static_cast<std::int64_t>(IconDirEntry::kSize)));
        count = std::clamp<std::size_t>(announced[0] | announced[1] << 8, 1, std::max<std::size_t>(present, 1));
    }
    (void)files.Close(handle);
    return count;
}

// The first entry's hot-spot low bytes cleared and the type byte set to icon; a cursor of several
// sizes holds a hot spot in every entry, and each is cleared alike, or the icon's later entries
// would keep them as planes and bit count.
std::vector<BytePatch> IconPatches(const std::string& inputPath, FileOperations& files) {
    std::vector<BytePatch> patches;
    for (std::size_t entry = 0; entry < EntriesToClear(inputPath, files); ++entry) {
        patches.push_back({offsets::kPlanesOrHotSpotXLow + IconDirEntry::kSize * entry, 0});
        patches.push_back({offsets::kBitCountOrHotSpotYLow + IconDirEntry::kSize * entry, 0});
    }
    patches.push_back({offsets::kResourceTypeLow, 1});
    return patches;
}

std::array<BytePatch, 3> CursorPatches(std::uint8_t column, std::uint8_t row) {
    return {{{offsets::kPlanesOrHotSpotXLow, column}, {offsets::kBitCountOrHotSpotYLow, row}, {offsets::kResourceTypeLow, 2}}};
}

}  // namespace

std::optional<FileOutcome> ConvertCursorToIcon(const std::string& inputPath, FileOperations& files) {
    const std::optional<std::string> outputPath = OutputPathFor(inputPath, "ico");
    if (!outputPath) return std::nullopt;
    return ConvertCursorToIcon(inputPath, *outputPath, files);
}

bool IconTwinReplacesOtherFile(const std::string& inputPath, const std::string& outputPath, FileOperations& files) {
    if (files.Status(outputPath).kind != FileKind::Regular || files.SameFile(inputPath, outputPath)) return false;
    return !HoldsPatchedCopy(outputPath, inputPath, IconPatches(inputPath, files), files);
}

FileOutcome ConvertCursorToIcon(const std::string& inputPath, const std::string& outputPath, FileOperations& files) {
    return PatchedCopy(inputPath, outputPath, IconPatches(inputPath, files), files);
}

FileOutcome ConvertCursorToIcon(const std::string& inputPath, const std::string& outputPath) {
    SystemFileOperations files;
    return ConvertCursorToIcon(inputPath, outputPath, files);
}

FileOutcome ConvertIconToCursor(const std::string& inputPath, const std::string& outputPath, std::uint8_t column,
                                std::uint8_t row) {
    return PatchedCopy(inputPath, outputPath, CursorPatches(column, row));
}

std::optional<FileOutcome> ConvertCursorToIcon(const std::string& inputPath) {
    SystemFileOperations files;
    return ConvertCursorToIcon(inputPath, files);
}

std::optional<FileOutcome> ConvertIconToCursor(const std::string& inputPath, std::uint8_t column, std::uint8_t row) {
    const std::optional<std::string> outputPath = OutputPathFor(inputPath, "cur");
    if (!outputPath) return std::nullopt;
    return PatchedCopy(inputPath, *outputPath, CursorPatches(column, row));
}

FileOutcome CopyCursorAsIcon(const std::filesystem::path& input, const std::filesystem::path& output) {
    const std::array<BytePatch, 1> patch{{{offsets::kResourceTypeLow, 1}}};
    return PatchedCopy(input, output, patch);
}

}  // namespace iconfile
