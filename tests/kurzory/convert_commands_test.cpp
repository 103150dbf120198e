// kurzory cur and ico: the same bytes as Skiren's and Pelcor's conversions, and their refusals.
#include <gtest/gtest.h>

#include "iconfile/icon_conversions.h"
#include "kurzory_files.h"
#include "pelcor/icon_builder.h"
#include "pelcor/icon_window_driver.h"

namespace {

namespace fs = std::filesystem;

Bytes Icon(int size) {
    return TestArgbCursor(size, 0, 0, [](int x, int y) { return 0xFF000000u | static_cast<std::uint32_t>(x * 7 + y); }, 1);
}

TEST(CurCommand, WritesSkirensCursorAndRefusesWhatSkirenRefuses) {
    ScratchFolder mine, skirens;
    WriteAll(mine.path("ikona.ico"), Icon(32));
    WriteAll(skirens.path("ikona.ico"), Icon(32));
    ASSERT_EQ(RunKurzory(mine, {"cur", "--hotspot", "5,31", "ikona.ico"}).status, 0);
    const auto skirensCursor = iconfile::ConvertIconToCursor(skirens.path("ikona.ico").string(), 5, 31);
    ASSERT_TRUE(skirensCursor && skirensCursor->succeeded());
    EXPECT_EQ(ReadAll(mine.path("ikona.cur")), ReadAll(skirens.path("ikona.cur")));

    // A size byte of 0 is 256 pixels: 255 is inside.
    WriteAll(mine.path("velka.ico"), Icon(256));
    EXPECT_EQ(RunKurzory(mine, {"cur", "--hotspot", "255,255", "-o", "velka.cur", "velka.ico"}).status, 0);
    EXPECT_EQ(ReadAll(mine.path("velka.cur"))[10], 255);

    Bytes twoImages = Icon(16);
    twoImages[4] = 2;
    WriteAll(mine.path("dve.ico"), twoImages);
    WriteAll(mine.path("text.ico"), {'a', 'h', 'o', 'j'});
    fs::create_directory(mine.path("d"));
    WriteAll(mine.path("d/ab"), Icon(16));
    const std::size_t before = FilesIn(mine.root());
    struct Case {
        std::vector<std::string> words;
        std::string phrase;
    };
    for (const Case& c : std::vector<Case>{
             {{"cur", "--hotspot", "1,1", "text.ico"}, "není soubor ikony nebo kurzoru"},
             {{"cur", "--hotspot", "1,1", "dve.ico"}, "více než jeden obrázek"},
             {{"cur", "--hotspot", "1,1", "chybi.ico"}, "chybi.ico: Soubor nebo složka neexistuje"},
             {{"cur", "--hotspot", "1,1", "d/ab"}, "nelze odvodit jméno"},
             {{"cur", "--hotspot", "32,0", "ikona.ico", "-o", "new.cur"}, "uvnitř ikony"},
             {{"cur", "--hotspot", "1", "ikona.ico", "-o", "new.cur"}, "--hotspot"},
             {{"cur", "ikona.ico", "-o", "new.cur"}, "--hotspot"},
             {{"cur", "--hotspot", "1,1", "ikona.cur", "-o", "new.cur"}, "už je kurzor"},
             {{"cur", "--hotspot", "1,1", "ikona.ico"}, "--force"},
         }) {
        const RunResult run = RunKurzory(mine, c.words);
        EXPECT_EQ(run.status, 2) << c.phrase;
        EXPECT_NE(run.err.find(c.phrase), std::string::npos) << run.err;
    }
    EXPECT_EQ(FilesIn(mine.root()), before);
    EXPECT_EQ(RunKurzory(mine, {"cur", "--hotspot", "1,1", "--force", "ikona.ico"}).status, 0);
    EXPECT_EQ(ReadAll(mine.path("ikona.cur"))[10], 1);
}

TEST(IcoCommand, WritesSkirensIconOfACursor) {
    ScratchFolder mine, skirens;
    const Bytes cursor = TestArgbCursor(48, 20, 30, [](int x, int) { return 0x80FF0000u + static_cast<std::uint32_t>(x); });
    WriteAll(mine.path("sipka.cur"), cursor);
    WriteAll(skirens.path("sipka.cur"), cursor);
    ASSERT_EQ(RunKurzory(mine, {"ico", "sipka.cur"}).status, 0);
    const auto skirensIcon = iconfile::ConvertCursorToIcon(skirens.path("sipka.cur").string());
    ASSERT_TRUE(skirensIcon && skirensIcon->succeeded());
    EXPECT_EQ(ReadAll(mine.path("sipka.ico")), ReadAll(skirens.path("sipka.ico")));

    const RunResult pick = RunKurzory(mine, {"ico", "--transparent", "0,0", "-o", "x.ico", "sipka.cur"});
    EXPECT_EQ(pick.status, 2);
    EXPECT_FALSE(fs::exists(mine.path("x.ico")));
    const RunResult icon = RunKurzory(mine, {"ico", "-o", "x.ico", "sipka.ico"});
    EXPECT_EQ(icon.status, 2);
    EXPECT_NE(icon.err.find("sipka.ico"), std::string::npos);
}

TEST(IcoCommand, WritesPelcorsIconOfABitmapWithThePickedColourTransparent) {
    // Indices 3 and 4 show the same colour, so a pick on either makes both transparent, as
    // Pelcor's pick by shown colour does.
    const auto index = [](int c, int r) { return static_cast<std::uint8_t>((c / 4 + r / 8) % 6 + 1); };
    const auto colour = [](int i) { return i == 4 ? DistinctColour(3) : DistinctColour(i); };
    const int size = 32;
    ScratchFolder mine, pelcors;
    WriteAll(mine.path("kytka.bmp"), TestBitmap(size, index, colour));
    WriteAll(pelcors.path("kytka.bmp"), TestBitmap(size, index, colour));
    ASSERT_EQ(RunKurzory(mine, {"ico", "--transparent", "13,2", "kytka.bmp"}).status, 0);  // index 4

    pelcor::IconBuild build{pelcors.path("kytka.bmp"), pelcors.path("kytka.ico"), pelcors.path("mObr1.tmp"), size, {}};
    for (int r = 0; r < size; ++r)
        for (int c = 0; c < size; ++c) build.transparent.push_back(index(c, r) == 3 || index(c, r) == 4);
    ASSERT_TRUE(pelcor::BuildIconFile(build).succeeded());
    EXPECT_EQ(ReadAll(mine.path("kytka.ico")), ReadAll(pelcors.path("kytka.ico")));

    // Without a pick the icon is opaque.
    ASSERT_EQ(RunKurzory(mine, {"ico", "-o", "opaque.ico", "kytka.bmp"}).status, 0);
    build.transparent.clear();
    ASSERT_TRUE(pelcor::BuildIconFile(build).succeeded());
    EXPECT_EQ(ReadAll(mine.path("opaque.ico")), ReadAll(pelcors.path("kytka.ico")));

    WriteAll(mine.path("velky.bmp"), TestBitmap(40, index, colour));
    const std::size_t before = FilesIn(mine.root());
    const RunResult wrongSize = RunKurzory(mine, {"ico", "velky.bmp"});
    EXPECT_EQ(wrongSize.status, 2);
    EXPECT_NE(wrongSize.err.find("16x16, 24x24"), std::string::npos) << wrongSize.err;
    const RunResult outside = RunKurzory(mine, {"ico", "--transparent", "0,32", "-o", "new.ico", "kytka.bmp"});
    EXPECT_EQ(outside.status, 2);
    EXPECT_EQ(FilesIn(mine.root()), before);
}

TEST(IcoCommand, MasksWhatPelcorsWindowMasksForTheSamePick) {
    // Entries 3 and 4 show one colour; picks in corners, on edges and inside.
    const auto index = [](int c, int r) { return static_cast<std::uint8_t>((c / 3 + r / 5) % 6 + 1); };
    const auto colour = [](int i) { return i == 4 ? DistinctColour(3) : DistinctColour(i); };
    for (const int size : {16, 48}) {
        const Bytes bitmap = TestBitmap(size, index, colour);
        for (const auto& [column, row] : {std::pair{0, 0}, {size - 1, size - 1}, {size - 1, 4}, {7, 9}}) {
            Pelcor window(bitmap);
            window.pick(column, row);
            window.ok();
            ScratchFolder mine;
            WriteAll(mine.path("kytka.bmp"), bitmap);
            const std::string pick = std::to_string(column) + "," + std::to_string(row);
            ASSERT_EQ(RunKurzory(mine, {"ico", "--transparent", pick, "kytka.bmp"}).status, 0) << pick;
            EXPECT_EQ(ReadAll(mine.path("kytka.ico")), window.icon()) << size << ": " << pick;
        }
    }
}

}  // namespace
