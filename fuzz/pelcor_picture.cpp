// Pelcor's enlarged picture from any file it takes, in any bitmap layout it reads: the picture
// is square in the accepted size, each pixel shows its palette entry's colour, and a pick marks
// exactly the pixels shown in the picked pixel's colour.
#include "fuzz_input.h"
#include "pelcor/bitmap_check.h"
#include "pelcor/bitmap_pixels.h"
#include "pelcor/picture_box.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::size_t pickColumn = input.Byte();
    const std::size_t pickRow = input.Byte();
    const std::vector<std::uint8_t> bitmap = input.Rest();
    const std::string path = ScratchPath(QStringLiteral("obrazek.bmp"));
    WriteScratch(path, bitmap);

    const std::optional<int> pictureSize = pelcor::ValidateBitmap(path);
    if (!pictureSize) return 0;
    const std::optional<pelcor::BitmapPixels> pixels = pelcor::ReadBitmapPixels(path, *pictureSize);
    FUZZ_CHECK(pixels.has_value());
    const int side = *pictureSize;
    const QImage picture = pelcor::PictureFromBitmap(*pixels);
    FUZZ_CHECK(picture.width() == side && picture.height() == side);

    const int column = static_cast<int>(pickColumn) % side;
    const int row = static_cast<int>(pickRow) % side;
    const std::vector<bool> marked = pelcor::PixelsOfColourAt(*pixels, column, row);
    FUZZ_CHECK(marked.size() == static_cast<std::size_t>(side * side));
    const QRgb picked = picture.pixel(column, row);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const iconfile::PaletteEntry& entry = pixels->palette[pixels->IndexAt(x, y)];
            const QRgb shown = picture.pixel(x, y);
            FUZZ_CHECK(shown == qRgb(entry.red, entry.green, entry.blue));
            FUZZ_CHECK(marked[static_cast<std::size_t>(y * side + x)] == (shown == picked));
        }
    return 0;
}
