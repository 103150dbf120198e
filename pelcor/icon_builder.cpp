#include "pelcor/icon_builder.h"

#include <cerrno>
#include <cstdio>
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
using iconfile::FileOutcome;
namespace {

constexpr std::size_t kPaletteBytes = kPaletteEntries * iconfile::PaletteEntry::kSize;

FileOutcome Failure(const fs::path& path, int errorNumber) {
    return FileOutcome::FromErrno(path.string(), errorNumber != 0 ? errorNumber : EIO);
}

// Writes the mask text to the scratch file and reads it back for packing.
FileOutcome PassThroughScratch(const fs::path& scratchPath, std::string& characters) {
    errno = 0;
    FileHandle scratch(std::fopen(scratchPath.c_str(), "w+b"));
    if (!scratch) return Failure(scratchPath, errno);
    errno = 0;
    if (std::fwrite(characters.data(), 1, characters.size(), scratch.get()) != characters.size() ||
        std::fflush(scratch.get()) != 0)
        return Failure(scratchPath, errno);
    errno = 0;
    if (std::fseek(scratch.get(), 0, SEEK_SET) != 0) return Failure(scratchPath, errno);
    std::string readBack(characters.size(), '\0');
    errno = 0;
    if (std::fread(readBack.data(), 1, readBack.size(), scratch.get()) != readBack.size())
        return Failure(scratchPath, std::ferror(scratch.get()) ? errno : EIO);
    errno = 0;
    if (std::fclose(scratch.release()) != 0) return Failure(scratchPath, errno);
    characters = std::move(readBack);
    return FileOutcome::Success();
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
    const fs::path& path;
    ~ScratchRemover() {
        std::error_code ignored;
        fs::remove(path, ignored);
    }
};

}  // namespace

FileOutcome BuildIconFile(const IconBuild& build) {
    const int size = build.pictureSize;
    if (size <= 0 || size > 255) return Failure(build.bitmapPath, EINVAL);
    const std::size_t pixelCount = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);

    std::vector<std::uint8_t> paletteAndPixels(kPaletteBytes + pixelCount);
    if (FileOutcome read = ReadPaletteAndPixels(build.bitmapPath, paletteAndPixels); !read.succeeded()) return read;

    const ScratchRemover remover{build.scratchPath};
    std::string characters = MaskCharacters(build.transparent, size);
    if (FileOutcome passed = PassThroughScratch(build.scratchPath, characters); !passed.succeeded()) return passed;
    const std::vector<std::uint8_t> mask = PackMask(characters);

    BlackenTransparentEntry(paletteAndPixels, size, build.transparent);

    const auto header = IconHeaderFor(size);
    iconfile::ReplacementFile icon(build.iconPath);
    if (FileOutcome checked = icon.CheckTarget(); !checked.succeeded()) return checked;
    if (FileOutcome created = icon.Create(); !created.succeeded()) return created;
    for (const std::span<const std::uint8_t> part : {std::span<const std::uint8_t>(header),
                                                     std::span<const std::uint8_t>(paletteAndPixels),
                                                     std::span<const std::uint8_t>(mask)}) {
        errno = 0;
        if (std::fwrite(part.data(), 1, part.size(), icon.file()) != part.size())
            return icon.Abandon(icon.target(), errno);
    }
    return icon.Commit();
}

}  // namespace pelcor
