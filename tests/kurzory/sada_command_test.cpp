// kurzory sada, run for real: the set's Windows scheme and X theme read back through the loaders
// that use them (libXcursor's theme lookup, the toolkit's cursor reader), refusals that leave
// nothing behind, and Windows schemes imported in the forms found in the wild.
#include <gtest/gtest.h>

#include <QColor>
#include <fstream>

#include "kurzory_files.h"

#include <X11/Xcursor/Xcursor.h>

namespace {

namespace fs = std::filesystem;

struct ImagesDeleter {
    void operator()(XcursorImages* images) const { XcursorImagesDestroy(images); }
};
using Images = std::unique_ptr<XcursorImages, ImagesDeleter>;

// A square of one colour with a one-pixel transparent border: each role gets a colour of its own.
void WriteSquare(const fs::path& path, int size, QRgb colour) {
    QImage picture(size, size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 1; y < size - 1; ++y)
        for (int x = 1; x < size - 1; ++x) picture.setPixel(x, y, colour);
    picture.save(QString::fromStdString(path.string()), "png");
}

void WriteText(const fs::path& path, const std::string& text) { WriteAll(path, Bytes(text.begin(), text.end())); }

constexpr QRgb kArrowColour = 0xFF1020C0, kBeamColour = 0xFF10A020, kHandColour = 0xFFC02010, kWaitColour = 0xFF808000;

// Arrow and Hand drawn at 32, 48 and 64, the text beam at 64 only, the busy cursor two frames.
void WriteDrawnSet(const ScratchFolder& folder, const std::string& sizes = "32 48 64") {
    for (int size : {32, 48, 64}) {
        WriteSquare(folder.path("sipka" + std::to_string(size) + ".png"), size, kArrowColour);
        WriteSquare(folder.path("ruka" + std::to_string(size) + ".png"), size, kHandColour);
    }
    WriteSquare(folder.path("text64.png"), 64, kBeamColour);
    WriteSquare(folder.path("kolo1.png"), 64, kWaitColour);
    WriteSquare(folder.path("kolo2.png"), 64, 0xFF008080);
    WriteText(folder.path("sada.txt"),
              "# zkušební sada\n"
              "název = Modrá ÿ\n"
              "velikosti = " + sizes + "\n\n"
              "[Arrow]\n"
              "obrázky = sipka32.png sipka48.png sipka64.png\n"
              "bod = 4,6\n"
              "[IBeam]\n"
              "obrázky = text64.png\n"
              "bod = 32,30\n"
              "[hand]\n"
              "obrázky = ruka32.png ruka48.png ruka64.png\n"
              "bod = 20,2\n"
              "bod 32 = 9,1\n"
              "[Wait]\n"
              "snímek = 0.1 kolo1.png\n"
              "snímek = 0.5 kolo2.png\n"
              "bod = 32,32\n");
}

QRgb CentrePixel(const XcursorImage& image) {
    const std::uint32_t pixel = image.pixels[(image.height / 2) * image.width + image.width / 2];
    return pixel;
}

TEST(SadaCommand, DrawnSetIsFoundByLibXcursorAtEverySizeAndHasAWindowsScheme) {
    ScratchFolder folder;
    WriteDrawnSet(folder);
    const RunResult run = RunKurzory(folder, {"sada", "sada.txt", "-o", "ven"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("Normální výběr (Arrow): 32, 48, 64 bodů"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Wait.ani: animovaný kurzor"), std::string::npos) << "info's verdict follows";

    // libXcursor reads its search path once per process: this is the one test that looks themes up.
    setenv("XCURSOR_PATH", folder.path("ven/x11").c_str(), 1);
    const std::pair<const char*, QRgb> names[] = {
        {"left_ptr", kArrowColour}, {"default", kArrowColour}, {"text", kBeamColour}, {"ibeam", kBeamColour},
        {"pointer", kHandColour},   {"pointing_hand", kHandColour}, {"e29285e634086352946a0e7090d73106", kHandColour},
        {"wait", kWaitColour}};
    for (int size : {32, 48, 64}) {
        for (const auto& [name, colour] : names) {
            const Images images(XcursorLibraryLoadImages(name, "Modrá ÿ", size));
            ASSERT_TRUE(images) << name << " at " << size;
            EXPECT_EQ(images->images[0]->width, static_cast<XcursorDim>(size)) << name;
            EXPECT_EQ(CentrePixel(*images->images[0]), colour) << name << " at " << size;
        }
    }
    const Images arrow32(XcursorLibraryLoadImages("left_ptr", "Modrá ÿ", 32));
    EXPECT_EQ(arrow32->images[0]->xhot, 2u) << "4,6 of 64 px at 32 px";
    EXPECT_EQ(arrow32->images[0]->yhot, 3u);
    const Images hand32(XcursorLibraryLoadImages("hand2", "Modrá ÿ", 32));
    EXPECT_EQ(hand32->images[0]->xhot, 9u) << "the hot spot given for 32 px alone";
    const Images wait48(XcursorLibraryLoadImages("watch", "Modrá ÿ", 48));
    ASSERT_EQ(wait48->nimage, 2);
    EXPECT_EQ(wait48->images[0]->delay, 100u);
    EXPECT_EQ(wait48->images[1]->delay, 500u);
    EXPECT_EQ(CentrePixel(*wait48->images[1]), 0xFF008080u);
    // A role the set leaves out falls to the inherited theme: it is no link of ours.
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder.path("ven/x11/Modrá ÿ/cursors/crosshair"))));

    const Bytes index = ReadAll(folder.path("ven/x11/Modrá ÿ/index.theme"));
    EXPECT_NE(std::string(index.begin(), index.end()).find("\nInherits=Adwaita\n"), std::string::npos);

    EXPECT_EQ(DirectoryOf(ReadAll(folder.path("ven/windows/Hand.cur"))),
              (std::vector<EntryFields>{{32, 32, 9, 1}, {48, 48, 15, 2}, {64, 64, 20, 2}}));
    const std::vector<QImage> beam = ImagesOf(folder.path("ven/windows/IBeam.cur"));
    ASSERT_EQ(beam.size(), 3u) << "scaled down from the one 64-pixel picture";
    EXPECT_EQ(beam[0].width(), 32);
    EXPECT_EQ(beam[0].pixel(16, 16), kBeamColour);
    const QRgb edge = beam[0].convertToFormat(QImage::Format_ARGB32).pixel(0, 0);
    EXPECT_GT(qAlpha(edge), 0);
    EXPECT_NEAR(qGreen(edge), 0xA0, 8) << "no dark fringe where the picture meets transparency";

    const Bytes inf = ReadAll(folder.path("ven/windows/install.inf"));
    ASSERT_GE(inf.size(), 2u);
    EXPECT_EQ(inf[0], 0xFF);
    EXPECT_EQ(inf[1], 0xFE);
    const QString infText = QString::fromUtf16(reinterpret_cast<const char16_t*>(inf.data() + 2), (inf.size() - 2) / 2);
    EXPECT_TRUE(infText.contains(QStringLiteral("SCHEME_NAME = \"Modrá ÿ\"\r\n")));
    EXPECT_TRUE(infText.contains(
        QStringLiteral("\"%10%\\%CUR_DIR%\\%pointer%,,,%10%\\%CUR_DIR%\\%busy%,,%10%\\%CUR_DIR%\\%text%,,,,,,,,,"
                       "%10%\\%CUR_DIR%\\%link%,,\"")));

    const QImage sheet(QString::fromStdString(folder.path("ven/nahled.png").string()));
    EXPECT_GT(sheet.width(), 3 * 64);
    EXPECT_GT(sheet.height(), 4 * 64);
}

TEST(SadaCommand, SizeLargerThanEveryPictureIsLeftOutAndNamed) {
    ScratchFolder folder;
    WriteDrawnSet(folder, "24 32 96");
    const RunResult run = RunKurzory(folder, {"sada", "sada.txt", "-o", "ven"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Arrow: velikost 96 vynechána, největší obrázek má 64 bodů"), std::string::npos) << run.out;
    const Images arrow(XcursorFilenameLoadAllImages(folder.path("ven/x11/Modrá ÿ/cursors/left_ptr").c_str()));
    ASSERT_TRUE(arrow);
    ASSERT_EQ(arrow->nimage, 2);
    EXPECT_EQ(arrow->images[0]->width, 24u);
    EXPECT_EQ(arrow->images[1]->width, 32u);
}

// Finished cursor files in a set: a cursor drawn at 64 px gives the smaller sizes wanted, an
// animation keeps its steps' own times on both sides, and a size beyond its pictures is named.
TEST(SadaCommand, CursorAndAnimationFilesJoinASetAtTheSizesWanted) {
    ScratchFolder folder;
    WriteAll(folder.path("ruka.cur"), TestArgbCursor(64, 40, 8, [](int, int) { return kHandColour; }));
    AnimationParts busy;
    busy.frames = {TestArgbCursor(32, 15, 15, [](int, int) { return kWaitColour; }),
                   TestArgbCursor(32, 15, 15, [](int, int) { return 0xFF008080u; })};
    busy.sequence = std::vector<std::uint32_t>{0, 1, 0};
    busy.rates = {6, 12, 3};
    WriteAll(folder.path("kolo.ani"), EncodedAnimation(busy));
    WriteText(folder.path("sada.txt"),
              "název = Soubory\nvelikosti = 32 48\n[Hand]\nsoubor = ruka.cur\n[AppStarting]\nsoubor = kolo.ani\n");
    const RunResult run = RunKurzory(folder, {"sada", "sada.txt", "-o", "ven"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("AppStarting: velikost 48 vynechána, největší obrázek má 32 bodů"), std::string::npos) << run.out;

    EXPECT_EQ(DirectoryOf(ReadAll(folder.path("ven/windows/Hand.cur"))),
              (std::vector<EntryFields>{{32, 32, 20, 4}, {48, 48, 30, 6}}));
    const Images progress(XcursorFilenameLoadAllImages(folder.path("ven/x11/Soubory/cursors/progress").c_str()));
    ASSERT_TRUE(progress);
    ASSERT_EQ(progress->nimage, 3);
    EXPECT_EQ(progress->images[0]->delay, 100u);
    EXPECT_EQ(progress->images[1]->delay, 200u);
    EXPECT_EQ(progress->images[2]->delay, 50u);
    EXPECT_EQ(CentrePixel(*progress->images[1]), 0xFF008080u);
    // The Windows side plays the same steps at the same times.
    const RunResult info = RunKurzory(folder, {"info", "ven/windows/AppStarting.ani"});
    EXPECT_NE(info.out.find("kroky: 3"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("krok 2: snímek 2, .2 s"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("krok 3: snímek 3, .05 s"), std::string::npos) << info.out;
}

TEST(SadaCommand, FaultySetFilesAreRefusedWithFileAndLineAndNothingIsWritten) {
    const std::pair<std::string, std::string> cases[] = {
        {"[Arrow]\nobrázky = chybi.png\nbod = 1,1\n", "sada.txt:4: "},
        {"[Arrow]\nobrázky = uzky.png\nbod = 1,1\n", "sada.txt:4: "},
        {"[Arrow]\nobrázky = sipka32.png\nbod = 32,1\n", "sada.txt:5: "},
        {"[Wait]\nsnímek = 0.1 sipka32.png\nsnímek = 0.1 sipka48.png\nbod = 1,1\n", "sada.txt:5: "},
        {"[Kurzor]\n", "sada.txt:3: "},
        {"[Arrow]\nobrázky = sipka32.png\n", "sada.txt:3: "},
    };
    for (const auto& [cursor, place] : cases) {
        ScratchFolder folder;
        WriteSquare(folder.path("sipka32.png"), 32, kArrowColour);
        WriteSquare(folder.path("sipka48.png"), 48, kArrowColour);
        QImage(32, 16, QImage::Format_ARGB32).save(QString::fromStdString(folder.path("uzky.png").string()), "png");
        WriteText(folder.path("sada.txt"), "název = X\nvelikosti = 32\n" + cursor);
        const RunResult run = RunKurzory(folder, {"sada", "sada.txt", "-o", "ven"});
        EXPECT_EQ(run.status, 2) << cursor;
        EXPECT_EQ(run.err.rfind("kurzory: " + place, 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(FilesIn(folder.root()), 4u) << "no output folder, no temporary one: " << cursor;
    }
}

TEST(SadaCommand, ExistingFolderIsReplacedOnlyWhenForced) {
    ScratchFolder folder;
    WriteDrawnSet(folder);
    fs::create_directory(folder.path("ven"));
    WriteText(folder.path("ven/stare.txt"), "staré");
    EXPECT_EQ(RunKurzory(folder, {"sada", "sada.txt", "-o", "ven"}).status, 2);
    EXPECT_TRUE(fs::exists(folder.path("ven/stare.txt")));
    const RunResult forced = RunKurzory(folder, {"sada", "sada.txt", "-o", "ven", "--force"});
    ASSERT_EQ(forced.status, 0) << forced.err;
    EXPECT_FALSE(fs::exists(folder.path("ven/stare.txt")));
    EXPECT_TRUE(fs::exists(folder.path("ven/windows/Arrow.cur")));
    std::size_t hidden = 0;
    for (const auto& entry : fs::directory_iterator(folder.root())) hidden += entry.path().filename().string()[0] == '.';
    EXPECT_EQ(hidden, 0u) << "neither the new folder's temporary name nor the old folder is left";
}

Bytes Utf16WithMark(const std::string& text) {
    const QString string = QString::fromStdString(text);
    Bytes bytes{0xFF, 0xFE};
    for (QChar c : string) {
        bytes.push_back(static_cast<std::uint8_t>(c.unicode() & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c.unicode() >> 8));
    }
    return bytes;
}

// A scheme as found in the wild: UTF-16 with CRLF, bare and quoted names, the misspelled
// "unavailiable", role files by the scheme value's places, one file missing and one broken.
TEST(SadaCommand, WindowsSchemeImportsEveryRoleAndNamesMissingAndBrokenFiles) {
    ScratchFolder folder;
    fs::create_directory(folder.path("schema"));
    auto OneColour = [](QRgb colour, int hot) {
        return TestArgbCursor(32, hot, hot, [colour](int, int) { return colour; });
    };
    WriteAll(folder.path("schema/Normal Select.cur"), OneColour(kArrowColour, 1));
    WriteAll(folder.path("schema/NO.CUR"), OneColour(kHandColour, 16));
    AnimationParts busy;
    busy.frames = {OneColour(kWaitColour, 15), OneColour(0xFF008080, 15)};
    busy.rates = {6, 12};
    WriteAll(folder.path("schema/busy.ani"), EncodedAnimation(busy));
    const std::string inf =
        "; scheme\r\n[Version]\r\nsignature=\"$CHICAGO$\"\r\n\r\n[DefaultInstall]\r\nCopyFiles = Scheme.Cur\r\n"
        "AddReg = Scheme.Reg\r\n\r\n[Scheme.Reg]\r\n"
        "HKCU,\"Control Panel\\Cursors\\Schemes\",\"%SCHEME_NAME%\",,\"%10%\\%CUR_DIR%\\%pointer%,,,"
        "%10%\\%CUR_DIR%\\%busy%,,%10%\\%CUR_DIR%\\%text%\"\r\n\r\n"
        "[Strings]\r\nCUR_DIR = \"Cursors\\Zelená\"\r\nSCHEME_NAME = \"Zelená\"\r\n"
        "pointer = \"Normal Select.cur\"\r\nbusy = busy.ani ; bare\r\ntext = \"chybi.cur\"\r\n"
        "unavailiable = \"no.cur\"\r\ndgn1 = \"broken.cur\"\r\n";
    WriteAll(folder.path("schema/broken.cur"), Bytes{0, 0, 2, 0, 1, 0, 32, 32});
    WriteAll(folder.path("schema/install.inf"), Utf16WithMark(inf));

    const RunResult run = RunKurzory(folder, {"sada", "--z-inf", "schema/install.inf", "-o", "ven"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Role IBeam: soubor „schema/chybi.cur“ chybí"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Role SizeNWSE: soubor „schema/broken.cur“ není čitelný kurzor"), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << run.err;
    EXPECT_FALSE(fs::exists(folder.path("ven/windows")));
    EXPECT_TRUE(fs::exists(folder.path("ven/nahled.png")));
    const fs::path cursors = folder.path("ven/x11/Zelená/cursors");
    const std::pair<const char*, QRgb> names[] = {{"left_ptr", kArrowColour}, {"wait", kWaitColour}, {"not-allowed", kHandColour}};
    for (const auto& [name, colour] : names) {
        const Images images(XcursorFilenameLoadAllImages((cursors / name).c_str()));
        ASSERT_TRUE(images) << name;
        EXPECT_EQ(CentrePixel(*images->images[0]), colour) << name;
    }
    const Images busyImages(XcursorFilenameLoadAllImages((cursors / "watch").c_str()));
    ASSERT_EQ(busyImages->nimage, 2);
    EXPECT_EQ(busyImages->images[0]->delay, 100u);
    EXPECT_EQ(busyImages->images[1]->delay, 200u);
    EXPECT_FALSE(fs::exists(cursors / "text"));
}

// The scheme the set writes imports again with every size and hot spot.
TEST(SadaCommand, WrittenSchemeImportsBackWithEverySize) {
    ScratchFolder folder;
    WriteDrawnSet(folder);
    ASSERT_EQ(RunKurzory(folder, {"sada", "sada.txt", "-o", "ven"}).status, 0);
    const RunResult run = RunKurzory(folder, {"sada", "--z-inf", "ven/windows/install.inf", "-o", "zpet"});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* name : {"left_ptr", "text", "hand2", "wait"}) {
        const Images before(XcursorFilenameLoadAllImages(folder.path(std::string("ven/x11/Modrá ÿ/cursors/") + name).c_str()));
        const Images after(XcursorFilenameLoadAllImages(folder.path(std::string("zpet/x11/Modrá ÿ/cursors/") + name).c_str()));
        ASSERT_TRUE(before && after) << name;
        ASSERT_EQ(before->nimage, after->nimage) << name;
        for (int i = 0; i < before->nimage; ++i) {
            EXPECT_EQ(before->images[i]->size, after->images[i]->size) << name;
            EXPECT_EQ(before->images[i]->xhot, after->images[i]->xhot) << name;
            EXPECT_EQ(before->images[i]->delay, after->images[i]->delay) << name;
        }
    }
}

}  // namespace
