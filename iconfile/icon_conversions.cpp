#include "iconfile/icon_conversions.h"

#include <array>

#include "iconfile/icon_records.h"
#include "iconfile/output_path.h"
#include "iconfile/patched_copy.h"

namespace iconfile {

namespace {

constexpr std::array<BytePatch, 3> IconPatches() {
    return {{{offsets::kPlanesOrHotSpotXLow, 0}, {offsets::kBitCountOrHotSpotYLow, 0}, {offsets::kResourceTypeLow, 1}}};
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
    return !HoldsPatchedCopy(outputPath, inputPath, IconPatches(), files);
}

FileOutcome ConvertCursorToIcon(const std::string& inputPath, const std::string& outputPath, FileOperations& files) {
    return PatchedCopy(inputPath, outputPath, IconPatches(), files);
}

FileOutcome ConvertCursorToIcon(const std::string& inputPath, const std::string& outputPath) {
    return PatchedCopy(inputPath, outputPath, IconPatches());
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
