#pragma once
// Writes the one-image icon of an accepted bitmap: header, the bitmap's palette and pixel bytes
// copied, the transparency mask packed from its text form in a scratch file.
#include <filesystem>
#include <vector>

#include "iconfile/file_operations.h"

namespace pelcor {

struct IconBuild {
    std::filesystem::path bitmapPath;
    std::filesystem::path iconPath;
    std::filesystem::path scratchPath;
    int pictureSize = 0;
    // One flag per pixel, row 0 (the top row) first; empty for an opaque icon.
    std::vector<bool> transparent;
};

// Every palette entry used by a transparent pixel is blackened, so those pixels show the
// background unchanged; other entries keep their colours. The icon replaces any old file only
// once complete; the scratch file is removed whatever happens.
iconfile::FileOutcome BuildIconFile(const IconBuild& build, iconfile::FileOperations& files);
iconfile::FileOutcome BuildIconFile(const IconBuild& build);

}  // namespace pelcor
