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
             {{"cur", "--hotspot", "1,1", "dve.ico"}, "obrázek 2 sahá za konec"},
             {{"cur", "--hotspot", "1,1", "chybi.ico"}, "chybi.ico: Soubor nebo složka neexistuje"},
             {{"cur", "--hotspot", "1,1", "d/ab"}, "nelze odvodit jméno"},
             {{"cur", "--hotspot", "32,0", "ikona.ico", "-o", "new.cur"}, "uvnitř obrázku"},
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

TEST(CurCommand, PngPicturesOfOneCursorBecomeItsSizesWithScaledHotSpots) {
    ScratchFolder folder;
    WritePng(folder.path("sipka32.png"), 32);
    WritePng(folder.path("sipka48.png"), 48, QImage::Format_Indexed8);
    WritePng(folder.path("sipka64.png"), 64, QImage::Format_Grayscale16);
    const std::vector<std::string> pictures{"sipka32.png", "sipka48.png", "sipka64.png"};
    std::vector<std::string> words{"cur", "--hotspot", "4,4", "-o", "sipka.cur"};
    words.insert(words.end(), pictures.begin(), pictures.end());
    ASSERT_EQ(RunKurzory(folder, words).status, 0);
    EXPECT_EQ(DirectoryOf(ReadAll(folder.path("sipka.cur"))),
              (std::vector<EntryFields>{{32, 32, 4, 4}, {48, 48, 6, 6}, {64, 64, 8, 8}}));
    const std::vector<QImage> images = ImagesOf(folder.path("sipka.cur"));
    ASSERT_EQ(images.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const QImage expected(QString::fromStdString(folder.path(pictures[i]).string()));
        EXPECT_EQ(images[i].convertToFormat(QImage::Format_ARGB32), expected.convertToFormat(QImage::Format_ARGB32))
            << pictures[i];
    }

    // A hot spot per size; a size without one is scaled from the first given.
    ASSERT_EQ(RunKurzory(folder, {"cur", "--hotspot", "48:6,7", "--hotspot", "32:1,1", "-o", "dva.cur", "sipka64.png",
                                  "sipka48.png", "sipka32.png"})
                  .status,
              0);
    EXPECT_EQ(DirectoryOf(ReadAll(folder.path("dva.cur"))),
              (std::vector<EntryFields>{{64, 64, 8, 9}, {48, 48, 6, 7}, {32, 32, 1, 1}}));

    QImage wide(32, 16, QImage::Format_ARGB32);
    wide.fill(Qt::red);
    wide.save(QString::fromStdString(folder.path("siroky.png").string()), "png");
    WritePng(folder.path("velky.png"), 257);
    WriteAll(folder.path("rozbity.png"), {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0});
    const std::size_t before = FilesIn(folder.root());
    struct Case {
        std::vector<std::string> words;
        std::string phrase;
    };
    for (const Case& c : std::vector<Case>{
             {{"cur", "--hotspot", "1,1", "sipka32.png", "siroky.png"}, "siroky.png: obrázek má 32 × 16 bodů"},
             {{"cur", "--hotspot", "1,1", "velky.png"}, "velky.png: obrázek má 257 × 257"},
             {{"cur", "--hotspot", "1,1", "rozbity.png"}, "rozbity.png: soubor nejde přečíst"},
             {{"cur", "--hotspot", "32,1", "sipka32.png", "sipka48.png"}, "sipka32.png: aktivní bod musí"},
             {{"cur", "--hotspot", "48:48,1", "sipka32.png", "sipka48.png"}, "sipka48.png: aktivní bod musí"},
             {{"cur", "--hotspot", "16:1,1", "sipka32.png"}, "velikost 16 bodů"},
             {{"cur", "--hotspot", "32:1,1", "--hotspot", "32:2,2", "sipka32.png"}, "dvakrát"},
             {{"cur", "--hotspot", "0:1,1", "sipka32.png"}, "VELIKOST:X,Y"},
             {{"cur", "--hotspot", "1,1", "sipka32.png", "sipka32.png"}, "velikost 32 × 32 bodů už má"},
             {{"cur", "--hotspot", "1,1", "sipka32.png", "sipka.cur"}, "sipka.cur: soubor není obrázek PNG"},
             {{"cur", "--hotspot", "1,1", "-o", "sipka32.png", "--force", "sipka32.png"}, "přepsal vstupní"},
         }) {
        const RunResult run = RunKurzory(folder, c.words);
        EXPECT_EQ(run.status, 2) << c.phrase;
        EXPECT_NE(run.err.find(c.phrase), std::string::npos) << run.err;
    }
    EXPECT_EQ(FilesIn(folder.root()), before);
}

TEST(CurCommand, MultiImageIconKeepsEverySizeAtItsDeepest) {
    ScratchFolder folder;
    WritePng(folder.path("velka.png"), 64);
    const Bytes deep32 = Icon(32);
    WriteAll(folder.path("ikona.ico"),
             Combined({TestIcon(16, 16), TestIcon(32, 32), deep32, PngIcon(folder.path("velka.png"), 64)}, 1));
    ASSERT_EQ(RunKurzory(folder, {"cur", "--hotspot", "16:2,3", "ikona.ico"}).status, 0);
    const Bytes cursor = ReadAll(folder.path("ikona.cur"));
    EXPECT_EQ(DirectoryOf(cursor), (std::vector<EntryFields>{{16, 16, 2, 3}, {32, 32, 4, 6}, {64, 64, 8, 12}}));
    // The bitmaps are copied as stored, the 32-bit one of the two 32 px images.
    const Bytes icon16 = TestIcon(16, 16);
    const std::size_t block16 = icon16.size() - 22;
    EXPECT_EQ(Bytes(cursor.begin() + 54, cursor.begin() + 54 + static_cast<std::ptrdiff_t>(block16)),
              Bytes(icon16.begin() + 22, icon16.end()));
    EXPECT_EQ(Bytes(cursor.begin() + 54 + static_cast<std::ptrdiff_t>(block16),
                    cursor.begin() + 54 + static_cast<std::ptrdiff_t>(block16 + deep32.size() - 22)),
              Bytes(deep32.begin() + 22, deep32.end()));
    const std::vector<QImage> images = ImagesOf(folder.path("ikona.cur"));
    ASSERT_EQ(images.size(), 3u);
    EXPECT_EQ(images[2].convertToFormat(QImage::Format_ARGB32),
              QImage(QString::fromStdString(folder.path("velka.png").string())).convertToFormat(QImage::Format_ARGB32));
}

// Cut, lying and empty files: every command refuses them in one line naming the file and the
// fault, writes nothing, and leaves with status 2.
TEST(Kurzory, CutOrDamagedFilesAreRefusedByEveryCommand) {
    ScratchFolder folder;
    WriteAll(folder.path("a.cur"), ReadAll(TestData("worked_example_1.cur")));
    const struct {
        const char* fixture;
        const char* name;
        std::string fault;
    } files[] = {
        {"sipka16_cut.ico", "cut.ico", "obrázek 1 sahá za konec souboru: má 1384 bajtů od bajtu 22, soubor má jen 1000 bajtů."},
        {"sipka16_cut.cur", "cut.cur", "obrázek 1 sahá za konec souboru"},
        {"lying_directory.ico", "lying.ico", "adresář udává 32"},
        {"lying_header.ico", "header.ico", "dvojnásobek výšky"},
        {"no_images.ico", "none.ico", "neobsahuje žádný obrázek"},
    };
    for (const auto& file : files) {
        fs::copy_file(TestData(file.fixture), folder.path(file.name));
        // The cursors' cuts as cursors, the icons' as icons: each command gets its own kind.
        Bytes cursor = ReadAll(TestData(file.fixture));
        cursor[2] = 2;
        WriteAll(folder.path(std::string("k-") + file.name), cursor);
        Bytes icon = cursor;
        icon[2] = 1;
        WriteAll(folder.path(std::string("i-") + file.name), icon);
    }
    const std::size_t before = FilesIn(folder.root());
    for (const auto& file : files) {
        const std::string asCursor = std::string("k-") + file.name, asIcon = std::string("i-") + file.name;
        for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
                 {"cur", "--hotspot", "0,0", "-o", "out.cur", asIcon},
                 {"ico", "-o", "out.ico", asCursor},
                 {"ani", "-o", "out.ani", "a.cur", asCursor},
                 {"xcursor", "-o", "out", asCursor},
                 {"info", asIcon},
             }) {
            const RunResult run = RunKurzory(folder, words);
            EXPECT_EQ(run.status, 2) << words[0] << ' ' << words.back();
            EXPECT_NE(run.err.find(words.back() + ": "), std::string::npos) << run.err;
            EXPECT_NE(run.err.find(file.fault), std::string::npos) << run.err;
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        }
    }
    EXPECT_EQ(FilesIn(folder.root()), before);
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

    // A cursor of several sizes loses the hot spot of every one.
    WriteAll(mine.path("dve.cur"), Combined({PlainCursor(16), PlainCursor(32)}, 2));
    ASSERT_EQ(RunKurzory(mine, {"ico", "dve.cur"}).status, 0);
    EXPECT_EQ(DirectoryOf(ReadAll(mine.path("dve.ico"))), (std::vector<EntryFields>{{16, 16, 0, 0}, {32, 32, 0, 0}}));
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
