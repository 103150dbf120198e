#include "iconfile/icon_conversions.h"

#include <array>

#include "iconfile/icon_records.h"
#include "iconfile/output_path.h"
#include "iconfile/patched_copy.h"

namespace iconfile {

FileOutcome ConvertCursorToIcon(const std::string& inputPath, FileOperations& files) {
    const std::array<BytePatch, 3> patches{{{offsets::kPlanesOrHotSpotXLow, 0},
                                            {offsets::kBitCountOrHotSpotYLow, 0},
                                            {offsets::kResourceTypeLow, 1}}};
    return PatchedCopy(inputPath, OutputPathFor(inputPath, "ico"), patches, files);
}

FileOutcome ConvertCursorToIcon(const std::string& inputPath) {
    SystemFileOperations files;
    return ConvertCursorToIcon(inputPath, files);
}

FileOutcome ConvertIconToCursor(const std::string& inputPath, std::uint8_t column, std::uint8_t row) {
    const std::array<BytePatch, 3> patches{{{offsets::kPlanesOrHotSpotXLow, column},
                                            {offsets::kBitCountOrHotSpotYLow, row},
                                            {offsets::kResourceTypeLow, 2}}};
    return PatchedCopy(inputPath, OutputPathFor(inputPath, "cur"), patches);
}

}  // namespace iconfile
