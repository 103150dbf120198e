#include "pelcor/icon_builder.h"

#include <cerrno>
#include <span>
#include <string>

#include "iconfile/icon_records.h"
#include "iconfile/replacement_file.h"
#include "pelcor/bitmap_check.h"
#include "pelcor/bitmap_pixels.h"
#include "pelcor/icon_header.h"
#include "pelcor/transparency_mask.h"

namespace pelcor {
namespace fs = std::filesystem;
using iconfile::FileHandle;
using iconfile::FileOperations;
using iconfile::FileOutcome;
namespace {

constexpr std::size_t kPaletteBytes = kPaletteEntries * iconfile::PaletteEntry::kSize;

std::span<const std::uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Writes the mask text to the scratch file and reads it back for packing.
FileOutcome PassThroughScratch(FileOperations& files, const std::string& scratchPath, std::string& characters) {
    static_cast<void>(files.Remove(scratchPath));  // a file left by an earlier run is emptied
    FileHandle scratch = 0;
    if (FileOutcome opened = files.OpenForUpdate(scratchPath, scratch); !opened.succeeded()) return opened;
    std::string readBack(characters.size(), '\0');
    FileOutcome outcome = files.WriteAt(scratch, 0, Bytes(characters));
    if (outcome.succeeded())
        outcome = files.ReadAt(scratch, 0, {reinterpret_cast<std::uint8_t*>(readBack.data()), readBack.size()});
    if (FileOutcome closed = files.Close(scratch); outcome.succeeded()) outcome = closed;
    if (outcome.succeeded()) characters = std::move(readBack);
    return outcome;
}
// A transparent pixel must be black in the colour mask, or it shows inverted garbage instead of
// the background: every entry that a transparent pixel uses is blackened, and no other.
void BlackenTransparentEntry(std::vector<std::uint8_t>& paletteAndPixels, int pictureSize,
                             const std::vector<bool>& transparent) {
    const auto size = static_cast<std::size_t>(pictureSize);
    for (std::size_t row = 0; row < size; ++row)
        for (std::size_t column = 0; column < size; ++column) {
            const std::size_t flag = row * size + column;
            if (flag >= transparent.size() || !transparent[flag]) continue;
            const std::uint8_t index = paletteAndPixels[kPaletteBytes + (size - 1 - row) * size + column];
            for (std::size_t b = 0; b < iconfile::PaletteEntry::kSize; ++b)
                paletteAndPixels[iconfile::PaletteEntry::kSize * index + b] = 0;
        }
}

struct ScratchRemover {
    FileOperations& files;
    const std::string path;
    ~ScratchRemover() { static_cast<void>(files.Remove(path)); }
};

}  // namespace

FileOutcome BuildIconFile(const IconBuild& build, FileOperations& files) {
    const int size = build.pictureSize;
    if (size <= 0 || size > 255) return FileOutcome::FromErrno(build.bitmapPath.string(), EINVAL);
    const std::size_t pixelCount = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);

    std::vector<std::uint8_t> paletteAndPixels(kPaletteBytes + pixelCount);
    if (FileOutcome read = ReadPaletteAndPixels(build.bitmapPath, paletteAndPixels); !read.succeeded()) return read;

    const ScratchRemover remover{files, build.scratchPath.string()};
    std::string characters = MaskCharacters(build.transparent, size);
    if (FileOutcome passed = PassThroughScratch(files, remover.path, characters); !passed.succeeded()) return passed;
    const std::vector<std::uint8_t> mask = PackMask(characters);

    BlackenTransparentEntry(paletteAndPixels, size, build.transparent);

    const auto header = IconHeaderFor(size);
    iconfile::ReplacementFile icon(build.iconPath.string(), files);
    if (FileOutcome checked = icon.CheckTarget(); !checked.succeeded()) return checked;
    if (FileOutcome created = icon.Create(); !created.succeeded()) return created;
    std::int64_t offset = 0;
    for (const std::span<const std::uint8_t> part : {std::span<const std::uint8_t>(header),
                                                     std::span<const std::uint8_t>(paletteAndPixels),
                                                     std::span<const std::uint8_t>(mask)}) {
        if (FileOutcome written = files.WriteAt(icon.handle(), offset, part); !written.succeeded())
            return icon.Abandon(written);
        offset += static_cast<std::int64_t>(part.size());
    }
    return icon.Commit();
}

FileOutcome BuildIconFile(const IconBuild& build) {
    iconfile::SystemFileOperations files;
    return BuildIconFile(build, files);
}

}  // namespace pelcor
