// Pelcor's road from any file to an icon: the bitmap check, the pixel reading and the icon
// builder with any picked colour. The icon holds the pixels as read, its mask marks exactly the
// picked colour's pixels, and nothing but the icon is left.
#include "fuzz_input.h"
#include "iconfile/icon_records.h"
#include "pelcor/bitmap_check.h"
#include "pelcor/bitmap_pixels.h"
#include "pelcor/icon_builder.h"
#include "pelcor/icon_header.h"
#include "pelcor/transparency_mask.h"
#include "scratch_file.h"
#include "support/memory_file_operations.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint8_t shape = input.Byte();
    const std::size_t pickColumn = input.Byte();
    const std::size_t pickRow = input.Byte();
    std::vector<std::uint8_t> bitmap = input.Rest();
    // Mostly a file of an accepted length with the signature, so the builder is reached often.
    if (shape < 224) {
        const pelcor::AcceptedSize& accepted = pelcor::kAcceptedSizes[shape % pelcor::kAcceptedSizes.size()];
        bitmap.resize(accepted.fileLength + ((shape / 8) % 2 == 1 ? 2 : 0), shape);
        bitmap[0] = 'B';
        bitmap[1] = 'M';
    }
    // The bitmap is read from a real file, as the program reads it.
    const std::string path = ScratchPath(QStringLiteral("obrazek.bmp"));
    WriteScratch(path, bitmap);

    const std::optional<int> pictureSize = pelcor::ValidateBitmap(path);
    // A file of a table length with the signature is always taken, whatever its headers say.
    const bool classic = pelcor::PictureSizeForLength(bitmap.size()).has_value() && bitmap.size() >= 2 &&
                         bitmap[0] == 'B' && bitmap[1] == 'M';
    FUZZ_CHECK(!classic || pictureSize.has_value());
    if (!pictureSize) return 0;
    const std::optional<pelcor::BitmapPixels> pixels = pelcor::ReadBitmapPixels(path, *pictureSize);
    FUZZ_CHECK(pixels.has_value());

    // The pick: every pixel shown in the picked pixel's colour becomes transparent.
    const int side = *pictureSize;
    const auto colourAt = [&](int column, int row) { return pixels->palette[pixels->IndexAt(column, row)]; };
    const iconfile::PaletteEntry picked = colourAt(static_cast<int>(pickColumn) % side, static_cast<int>(pickRow) % side);
    std::vector<bool> transparent(static_cast<std::size_t>(side * side));
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column) {
            const iconfile::PaletteEntry colour = colourAt(column, row);
            transparent[static_cast<std::size_t>(row * side + column)] =
                colour.red == picked.red && colour.green == picked.green && colour.blue == picked.blue;
        }

    MemoryFileOperations files;
    const pelcor::IconBuild build{path, "/kurzory/obrazek.ico", "/soukrome/mObr7.tmp", side,
                                  shape % 2 == 0 ? transparent : std::vector<bool>{}};
    FUZZ_CHECK(pelcor::BuildIconFile(build, files).succeeded());
    FUZZ_CHECK(files.files.size() == 1 && files.openCount() == 0);  // the scratch file is gone
    const std::vector<std::uint8_t>& icon = files.files.at("/kurzory/obrazek.ico");
    FUZZ_CHECK(icon.size() == 22 + pelcor::IconImageDataLength(side));
    const auto header = pelcor::IconHeaderFor(side);
    FUZZ_CHECK(std::equal(header.begin(), header.end(), icon.begin()));

    const std::size_t paletteAt = header.size();
    const std::size_t pixelsAt = paletteAt + 1024;
    const std::size_t maskAt = pixelsAt + static_cast<std::size_t>(side * side);
    FUZZ_CHECK(std::equal(pixels->rows.begin(), pixels->rows.end(), icon.begin() + static_cast<std::ptrdiff_t>(pixelsAt)));
    const int rowBits = pelcor::MaskRowBits(side);
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column) {
            const bool clear = !build.transparent.empty() && transparent[static_cast<std::size_t>(row * side + column)];
            const std::size_t bit = static_cast<std::size_t>(rowBits * (side - 1 - row) + column);
            FUZZ_CHECK(((icon[maskAt + bit / 8] >> (7 - bit % 8)) & 1) == (clear ? 1 : 0));
            // A transparent pixel's entry is black; an opaque pixel's colour is kept unless it
            // shares its entry with a transparent one.
            const std::size_t entry = paletteAt + 4 * pixels->IndexAt(column, row);
            if (clear) FUZZ_CHECK(icon[entry] == 0 && icon[entry + 1] == 0 && icon[entry + 2] == 0 && icon[entry + 3] == 0);
        }
    if (build.transparent.empty())
        for (std::size_t i = 0; i < 1024; ++i)
            FUZZ_CHECK(icon[paletteAt + i] == pixels->palette[i / 4].Encode()[i % 4]);
    return 0;
}
