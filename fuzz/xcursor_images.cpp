// kurzory xcursor's road from a cursor or animated cursor to the X11 cursor file: any input is
// refused with a line or gives images whose hot spots lie inside them, one per step, and the
// file libxcursor writes for them reads back as the same images.
#include <QCoreApplication>
#include <cstdio>
#include <cstring>

#include "fuzz_input.h"
#include "kurzory/xcursor_images.h"
#include "scratch_file.h"

#include <X11/Xcursor/Xcursor.h>

namespace {

// Decoding needs Qt's image plugins, found through the one application object of the run.
const std::string& InputPath() {
    static int argc = 1;
    static char name[] = "xcursor_images";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    static const std::string path = ScratchPath(QStringLiteral("vstup"));
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = InputPath();
    WriteScratch(path, {data, size});
    animace::FileByteSource source;
    FUZZ_CHECK(source.Open(path) == 0);
    const bool riff = size >= 4 && std::memcmp(data, "RIFF", 4) == 0;
    auto made = riff ? kurzory::AnimatedImages(path, source) : kurzory::CursorImages(path);
    if (const std::string* refusal = std::get_if<std::string>(&made)) {
        FUZZ_CHECK(!refusal->empty() && refusal->find('\n') == std::string::npos);
        return 0;
    }
    const XcursorImages& images = *std::get<kurzory::MadeImages>(made).images;
    FUZZ_CHECK(images.nimage >= 1);
    for (int i = 0; i < images.nimage; ++i) {
        const XcursorImage& image = *images.images[i];
        FUZZ_CHECK(image.width >= 1 && image.height >= 1);
        FUZZ_CHECK(image.xhot < image.width && image.yhot < image.height);
    }
    const std::optional<std::vector<std::uint8_t>> bytes = kurzory::XcursorBytes(images);
    FUZZ_CHECK(bytes.has_value());
    std::vector<std::uint8_t> copy = *bytes;
    std::FILE* stream = fmemopen(copy.data(), copy.size(), "rb");
    FUZZ_CHECK(stream != nullptr);
    XcursorImages* back = XcursorFileLoadAllImages(stream);
    std::fclose(stream);
    FUZZ_CHECK(back != nullptr && back->nimage == images.nimage);
    for (int i = 0; i < images.nimage; ++i) {
        const XcursorImage& a = *images.images[i];
        const XcursorImage& b = *back->images[i];
        FUZZ_CHECK(a.width == b.width && a.height == b.height && a.xhot == b.xhot && a.yhot == b.yhot && a.delay == b.delay);
        FUZZ_CHECK(std::memcmp(a.pixels, b.pixels, sizeof(XcursorPixel) * a.width * a.height) == 0);
    }
    XcursorImagesDestroy(back);
    return 0;
}
