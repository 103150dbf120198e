// kurzory xcursor, read back with libxcursor's own loader: images, hot spots, delays, pixels.
#include <gtest/gtest.h>

#include "kurzory_files.h"

#include <X11/Xcursor/Xcursor.h>

namespace {

struct ImagesDeleter {
    void operator()(XcursorImages* images) const { XcursorImagesDestroy(images); }
};
using Images = std::unique_ptr<XcursorImages, ImagesDeleter>;

// Pixels whose alpha varies, so premultiplying shows: red 200, green x, blue y, alpha 128 or 255.
std::uint32_t Straight(int x, int y) {
    const std::uint32_t alpha = (x + y) % 2 == 0 ? 255 : 128;
    return alpha << 24 | 200u << 16 | static_cast<std::uint32_t>(x) << 8 | static_cast<std::uint32_t>(y);
}

std::uint32_t Premultiplied(std::uint32_t argb) {
    const std::uint32_t alpha = argb >> 24;
    auto channel = [&](int shift) { return (((argb >> shift) & 0xFF) * alpha + 127) / 255; };
    return alpha << 24 | channel(16) << 16 | channel(8) << 8 | channel(0);
}

TEST(XcursorCommand, EveryStepIsAnImageWithItsFramesHotSpotAndTime) {
    ScratchFolder folder;
    AnimationParts parts;
    parts.frames = {TestArgbCursor(32, 3, 4, Straight), TestArgbCursor(24, 30, 5, [](int, int) { return 0xFF00FF00u; })};
    parts.sequence = std::vector<std::uint32_t>{1, 0, 1};
    parts.rates = {1, 60, 7};
    WriteAll(folder.path("kolo.ani"), EncodedAnimation(parts));
    const RunResult run = RunKurzory(folder, {"xcursor", "kolo.ani"});
    ASSERT_EQ(run.status, 0) << run.err;

    const Images images(XcursorFilenameLoadAllImages(folder.path("kolo").c_str()));
    ASSERT_TRUE(images);
    ASSERT_EQ(images->nimage, 3);
    const XcursorImage& first = *images->images[0];
    const XcursorImage& second = *images->images[1];
    EXPECT_EQ(first.width, 24u);
    EXPECT_EQ(second.width, 32u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(images->images[i]->size, 32u) << "all at the largest frame's size";
    // Hot spot 30 lies outside the 24-pixel frame and is clamped into it.
    EXPECT_EQ(first.xhot, 23u);
    EXPECT_EQ(first.yhot, 5u);
    EXPECT_EQ(second.xhot, 3u);
    EXPECT_EQ(second.yhot, 4u);
    EXPECT_EQ(first.delay, 17u);  // 1 jiffy = 16.67 ms
    EXPECT_EQ(second.delay, 1000u);
    EXPECT_EQ(images->images[2]->delay, 117u);
    EXPECT_EQ(first.pixels[0], 0xFF00FF00u);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ(second.pixels[y * 32 + x], Premultiplied(Straight(x, y))) << x << "," << y;
}

TEST(XcursorCommand, StaticCursorAndThemeFolder) {
    ScratchFolder folder;
    WriteAll(folder.path("sipka.cur"), TestArgbCursor(16, 7, 9, [](int, int) { return 0xFF102030u; }));
    const RunResult run = RunKurzory(folder, {"xcursor", "--theme", "motiv", "--name", "left_ptr", "sipka.cur"});
    ASSERT_EQ(run.status, 0) << run.err;
    const Images images(XcursorFilenameLoadAllImages(folder.path("motiv/cursors/left_ptr").c_str()));
    ASSERT_TRUE(images);
    ASSERT_EQ(images->nimage, 1);
    EXPECT_EQ(images->images[0]->xhot, 7u);
    EXPECT_EQ(images->images[0]->yhot, 9u);
    EXPECT_EQ(images->images[0]->pixels[5], 0xFF102030u);
    const Bytes index = ReadAll(folder.path("motiv/index.theme"));
    EXPECT_NE(std::string(index.begin(), index.end()).find("[Icon Theme]"), std::string::npos);

    // A theme that cannot be finished leaves nothing: no folder without its cursor or index.
    const std::size_t before = FilesIn(folder.root());
    const RunResult half = RunKurzory(folder, {"xcursor", "--theme", "novy", "--name", std::string(300, 'x'), "sipka.cur"});
    EXPECT_EQ(half.status, 2);
    EXPECT_NE(half.err.find("Název souboru je příliš dlouhý"), std::string::npos) << half.err;
    EXPECT_EQ(FilesIn(folder.root()), before);

    // A second cursor keeps the theme's index; an existing cursor needs --force.
    WriteAll(folder.path("motiv/index.theme"), {'m', 'y'});
    EXPECT_EQ(RunKurzory(folder, {"xcursor", "--theme", "motiv", "--name", "left_ptr", "sipka.cur"}).status, 2);
    EXPECT_EQ(RunKurzory(folder, {"xcursor", "--theme", "motiv", "--name", "left_ptr", "--force", "sipka.cur"}).status, 0);
    EXPECT_EQ(ReadAll(folder.path("motiv/index.theme")), (Bytes{'m', 'y'}));

    // Without a "rate" chunk every step takes the header's rate.
    AnimationParts parts;
    parts.frames = {PlainCursor(16), PlainCursor(16, 0xFF00FF00)};
    parts.sequence = std::vector<std::uint32_t>{0, 1};
    parts.headerRate = 9;
    WriteAll(folder.path("bez.ani"), EncodedAnimation(parts));
    ASSERT_EQ(RunKurzory(folder, {"xcursor", "-o", "bez", "bez.ani"}).status, 0);
    const Images steady(XcursorFilenameLoadAllImages(folder.path("bez").c_str()));
    ASSERT_TRUE(steady);
    ASSERT_EQ(steady->nimage, 2);
    EXPECT_EQ(steady->images[0]->delay, 150u);
    EXPECT_EQ(steady->images[1]->delay, 150u);

    // Thousands of steps of a 256-pixel frame would need gigabytes of images: refused.
    AnimationParts huge;
    huge.frames = {TestArgbCursor(256, 0, 0, [](int, int) { return 0xFFFFFFFFu; })};
    huge.sequence = std::vector<std::uint32_t>(3000, 0);
    huge.rates.assign(3000, 1);
    WriteAll(folder.path("huge.ani"), EncodedAnimation(huge));
    const RunResult refused = RunKurzory(folder, {"xcursor", "-o", "huge", "huge.ani"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("huge.ani"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.path("huge")));

    WriteAll(folder.path("text"), {'x'});
    EXPECT_EQ(RunKurzory(folder, {"xcursor", "-o", "out", "text"}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(folder.path("out")));
}

}  // namespace

namespace {

TEST(XcursorCommand, EverySizeOfEveryFrameIsAnImageOfItsOwnNominalSize) {
    ScratchFolder folder;
    for (int size : {32, 48, 64}) WritePng(folder.path("sipka" + std::to_string(size) + ".png"), size);
    ASSERT_EQ(RunKurzory(folder, {"cur", "--hotspot", "4,4", "-o", "sipka.cur", "sipka32.png", "sipka48.png", "sipka64.png"}).status, 0);
    ASSERT_EQ(RunKurzory(folder, {"cur", "--hotspot", "2,3", "-o", "druha.cur", "sipka64.png", "sipka32.png", "sipka48.png"}).status, 0);
    ASSERT_EQ(RunKurzory(folder, {"xcursor", "sipka.cur"}).status, 0);
    ASSERT_EQ(RunKurzory(folder, {"ani", "-o", "dve.ani", "sipka.cur", "druha.cur"}).status, 0);
    ASSERT_EQ(RunKurzory(folder, {"xcursor", "dve.ani"}).status, 0);
    for (int size : {32, 48, 64}) {
        const Images still(XcursorFilenameLoadImages(folder.path("sipka").c_str(), size));
        ASSERT_TRUE(still);
        ASSERT_EQ(still->nimage, 1);
        EXPECT_EQ(still->images[0]->width, static_cast<unsigned>(size));
        EXPECT_EQ(still->images[0]->xhot, static_cast<unsigned>(size / 8));
        const Images moving(XcursorFilenameLoadImages(folder.path("dve").c_str(), size));
        ASSERT_TRUE(moving);
        ASSERT_EQ(moving->nimage, 2) << size;
        EXPECT_EQ(moving->images[1]->width, static_cast<unsigned>(size));
        EXPECT_EQ(moving->images[1]->yhot, size == 64 ? 3u : 2u);  // 3 at 64 px: 1.5 at 32 is 2, 2.25 at 48 is 2
    }

    // Frames of one size each keep sharing the largest; frames of several sizes must agree.
    AnimationParts parts;
    parts.frames = {ReadAll(folder.path("sipka.cur")), Combined({PlainCursor(16), PlainCursor(32)}, 2)};
    WriteAll(folder.path("ruzne.ani"), EncodedAnimation(parts));
    const RunResult mixed = RunKurzory(folder, {"xcursor", "ruzne.ani"});
    EXPECT_EQ(mixed.status, 2);
    EXPECT_NE(mixed.err.find("ruzne.ani: snímek 2 má velikosti 16, 32, ale první snímek 32, 48, 64"), std::string::npos)
        << mixed.err;
    EXPECT_FALSE(std::filesystem::exists(folder.path("ruzne")));
}

TEST(XcursorCommand, WarnsOfInvertingPixelsItCannotKeep) {
    ScratchFolder folder;
    // White on the diagonal; the screen kept in the first four columns: four pixels invert.
    WriteAll(folder.path("mono.cur"), MonochromeCursor(32, [](int x, int) { return x < 4; }));
    const RunResult run = RunKurzory(folder, {"xcursor", "mono.cur"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("mono.cur: varování: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("zůstanou průhledné: 4."), std::string::npos) << run.err;
    EXPECT_TRUE(std::filesystem::exists(folder.path("mono")));
    WriteAll(folder.path("plain.cur"), MonochromeCursor());
    EXPECT_EQ(RunKurzory(folder, {"xcursor", "plain.cur"}).err, "");
}

}  // namespace
