#pragma once
// The read side of the container: a file's header and directory entries, read once and bounds
// checked, for the start-up tests, the single-image rule and the picture loading.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "iconfile/icon_records.h"

namespace iconfile {

// Far more than any icon or cursor; a larger file is neither copied for a preview nor read whole.
inline constexpr std::uint64_t kLargestIconFile = 16 * 1024 * 1024;

enum class DirectoryRead {
    Read,        // the header and every entry it announces are there
    TooShort,    // the file ends inside the header or the directory
    NotAFile,    // missing, a folder, a FIFO or a device: never opened
    ReadFailed,  // the file could not be opened or read
};

struct IconDirectory {
    DirectoryRead status = DirectoryRead::ReadFailed;
    std::uint64_t fileLength = 0;
    // The low bytes that the start-up tests and the single-image rule look at. Past the end of a
    // short file they read as 0, so a short file fails every type test.
    int resourceTypeLow = 0;
    int imageCountLow = 0;
    int firstWidthByte = 0;
    int firstHeightByte = 0;
    std::optional<IconFileHeader> header;
    std::vector<IconDirEntry> entries;  // the entries wholly present, at most the announced count

    // The file could be read at all (a short file included).
    bool opened() const { return status == DirectoryRead::Read || status == DirectoryRead::TooShort; }
    // The kind by the type's low byte, the one test every program makes: 1 an icon, 2 a cursor.
    bool isIcon() const { return resourceTypeLow == static_cast<int>(IconFileKind::Icon); }
    bool isCursor() const { return resourceTypeLow == static_cast<int>(IconFileKind::Cursor); }
    bool isIconOrCursor() const { return isIcon() || isCursor(); }
};

IconDirectory ReadIconDirectory(const std::filesystem::path& path);
// The same for a whole file's bytes already in memory, such as a frame inside an animated cursor.
IconDirectory ReadIconDirectory(std::span<const std::uint8_t> bytes);

// The frame picker's cursor test, by the low bytes: a cursor (type 2) holding exactly one image.
inline bool IsOneImageCursor(const IconDirectory& directory) {
    return directory.opened() && directory.imageCountLow == 1 && directory.isCursor();
}

// The whole file's bytes when its header and directory are whole and it holds at most
// kLargestIconFile bytes; nothing otherwise or when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadWholeIconFile(const std::filesystem::path& path);

// The file's bytes with every entry's planes set to 1 and bit count to 0 (taken from the image's
// own bitmap header), for picture readers that refuse a cursor's hot spot in those fields.
// Nothing for a file that is no icon or cursor container, is too short or larger than
// kLargestIconFile, or cannot be read.
std::optional<std::vector<std::uint8_t>> DecoderFriendlyCopy(const std::filesystem::path& path);
// The same for a file's bytes already in memory, such as a frame inside an animated cursor.
std::optional<std::vector<std::uint8_t>> DecoderFriendlyBytes(std::vector<std::uint8_t> bytes);

}  // namespace iconfile
