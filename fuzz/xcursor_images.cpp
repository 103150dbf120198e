// kurzory xcursor's road from a cursor's bytes to the X11 cursor file: any bytes are refused or
// decode to images whose hot spots lie inside them, one per size, and the file libxcursor writes
// for them reads back as the same images.
#include <QCoreApplication>
#include <cstdio>
#include <cstring>

#include "fuzz_input.h"
#include "kurzory/decoded_cursor.h"
#include "kurzory/xcursor_images.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Decoding needs Qt's image plugins, found through the one application object of the run.
    static int argc = 1;
    static char name[] = "xcursor_images";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);

    FuzzInput input(data, size);
    const unsigned delay = input.Byte();
    const std::vector<std::uint8_t> bytes = input.Rest();
    std::string fault;
    const std::optional<kurzory::DecodedCursor> cursor = kurzory::DecodeCursor(bytes, fault);
    if (!cursor) return 0;
    FUZZ_CHECK(fault.empty() && !cursor->images.empty());
    kurzory::XcursorImageList images(XcursorImagesCreate(static_cast<int>(cursor->images.size())));
    FUZZ_CHECK(images != nullptr);
    for (const kurzory::DecodedSize& decoded : cursor->images) {
        FUZZ_CHECK(!decoded.picture.isNull());
        FUZZ_CHECK(decoded.hotSpotX >= 0 && decoded.hotSpotX < decoded.picture.width());
        FUZZ_CHECK(decoded.hotSpotY >= 0 && decoded.hotSpotY < decoded.picture.height());
        XcursorImage* image = kurzory::XcursorImageOf(decoded.picture, decoded.hotSpotX, decoded.hotSpotY, decoded.size(), delay);
        FUZZ_CHECK(image != nullptr);
        images->images[images->nimage++] = image;
    }
    const std::optional<std::vector<std::uint8_t>> file = kurzory::XcursorFileBytes(*images);
    FUZZ_CHECK(file.has_value());
    std::vector<std::uint8_t> copy = *file;
    std::FILE* stream = fmemopen(copy.data(), copy.size(), "rb");
    FUZZ_CHECK(stream != nullptr);
    kurzory::XcursorImageList back(XcursorFileLoadAllImages(stream));
    std::fclose(stream);
    FUZZ_CHECK(back != nullptr && back->nimage == images->nimage);
    for (int i = 0; i < images->nimage; ++i) {
        const XcursorImage& a = *images->images[i];
        const XcursorImage& b = *back->images[i];
        FUZZ_CHECK(a.width == b.width && a.height == b.height && a.xhot == b.xhot && a.yhot == b.yhot && a.delay == b.delay);
        FUZZ_CHECK(std::memcmp(a.pixels, b.pixels, sizeof(XcursorPixel) * a.width * a.height) == 0);
    }
    return 0;
}
