#pragma once
// Every image of an icon or cursor checked whole before any program uses the file: each image
// must lie inside the file and be a bitmap or PNG image of the size its directory entry gives,
// with everything its header announces inside the image's own length. Reads the directory and
// the first bytes of each image only; the pixels are left to the picture readers.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "iconfile/icon_directory.h"

namespace iconfile {

enum class ImageEncoding {
    Unknown,  // neither a bitmap header nor a PNG signature (or never read)
    Bitmap,   // a 40-byte bitmap header, palette, colour mask and transparency mask
    Png,
};

enum class ImageFault {
    None,
    BeyondFile,       // offset and length reach past the end of the file
    UnknownHeader,    // no 40-byte bitmap header and no PNG signature
    WidthDiffers,     // the image's own width is not the directory's
    HeightDiffers,    // a bitmap's height is not twice the directory's, a PNG's not the directory's
    Planes,           // a bitmap of other than 1 plane
    BitCount,         // a bitmap of other than 1, 4, 8, 24 or 32 bits per pixel
    Compression,      // a compressed bitmap, whose masks have no fixed length
    DataBeyondImage,  // header, palette and masks need more bytes than the entry gives the image
    PngHeaderCut,     // a PNG image without its whole IHDR header
    ReadFailed,       // the image's first bytes could not be read
};

// One directory entry and what its image turned out to be.
struct CheckedImage {
    std::size_t index = 0;  // 0-based place in the directory
    IconDirEntry entry;     // as stored: planes and bitCount, or a cursor's hot spot
    int width = 0;          // the directory's size, a 0 byte read as 256
    int height = 0;
    ImageEncoding encoding = ImageEncoding::Unknown;
    // As the image's own header gives them (a bitmap's height counts both masks); 0 where not read.
    std::int64_t headerWidth = 0;
    std::int64_t headerHeight = 0;
    int planes = 0;            // a bitmap's planes
    int bitCount = 0;          // bits per pixel: a bitmap's own, or a PNG's depth times its channels
    std::uint32_t compression = 0;
    std::uint64_t neededLength = 0;  // a bitmap's header, palette and both masks together
    ImageFault fault = ImageFault::None;

    std::uint64_t offset() const { return entry.imageOffset; }
    std::uint64_t length() const { return entry.imageSize; }
    bool sound() const { return fault == ImageFault::None; }
};

enum class IconFileFault {
    None,
    Unreadable,    // missing, no regular file, or reading failed
    DirectoryCut,  // the file ends inside the header or the directory
    NoImages,      // the directory announces no image at all
    DamagedImage,  // an image fails its check: `faultyImage` names the first one
};

struct CheckedIconFile {
    IconDirectory directory;
    std::vector<CheckedImage> images;  // one per directory entry, in directory order
    IconFileFault fault = IconFileFault::Unreadable;
    std::size_t faultyImage = 0;

    bool sound() const { return fault == IconFileFault::None; }
};

// Checks every image of the file. The type in the header is not judged here: the callers know
// which kind they take.
CheckedIconFile CheckIconFile(const std::filesystem::path& path);
// The same for a whole file's bytes in memory, such as a frame inside an animated cursor.
CheckedIconFile CheckIconBytes(std::span<const std::uint8_t> bytes);

// What is wrong, in Czech and without the file's name, for a line "name: text"; empty when sound.
std::string FaultText(const CheckedIconFile& checked);

// The frame picker's cursor test with every image checked: a sound cursor of exactly one image.
inline bool IsSoundOneImageCursor(const CheckedIconFile& checked) {
    return checked.sound() && IsOneImageCursor(checked.directory);
}

}  // namespace iconfile
