#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <QImageReader>
#include <filesystem>

#include "pelcor/icon_builder.h"
#include "pelcor/icon_header.h"
#include "pelcor/transparency_mask.h"
#include "pelcor_files.h"
#include "support/file_faults.h"
#include "support/scripted_file_operations.h"

using namespace pelcor;
namespace fs = std::filesystem;

namespace {

// A bitmap with index (column + 3 * row) mod 7 + 10 at each pixel: seven colours in stripes.
Bytes StripedBitmap(int size) {
    return TestBitmap(size, [](int c, int r) { return static_cast<std::uint8_t>((c + 3 * r) % 7 + 10); }, DistinctColour);
}

std::vector<bool> FlagsWhere(int size, const std::function<bool(int, int)>& transparent) {
    std::vector<bool> flags(static_cast<std::size_t>(size * size));
    for (int r = 0; r < size; ++r)
        for (int c = 0; c < size; ++c) flags[static_cast<std::size_t>(r * size + c)] = transparent(c, r);
    return flags;
}

struct Build {
    explicit Build(const Bytes& bitmap, int size) : size(size) {
        WriteAll(folder.path("kytka.bmp"), bitmap);
        request = {folder.path("kytka.bmp"), folder.path("kytka.ico"), scratch.path("mObr5.tmp"), size, {}};
    }
    iconfile::FileOutcome run() { return BuildIconFile(request); }
    Bytes icon() const { return ReadAll(folder.path("kytka.ico")); }
    ScratchFolder folder, scratch;
    int size;
    IconBuild request;
};

}  // namespace

TEST(BuildIconFile, OpaqueIconIsHeaderThenTheBitmapsBytesThenAZeroMask) {
    for (int size : {16, 24, 32, 48, 64, 96}) {
        const Bytes bitmap = StripedBitmap(size);
        Build build(bitmap, size);
        ASSERT_TRUE(build.run().succeeded());
        const auto header = IconHeaderFor(size);
        Bytes expected(header.begin(), header.end());
        expected.insert(expected.end(), bitmap.begin() + 54, bitmap.end());
        expected.resize(expected.size() + static_cast<std::size_t>(size * MaskRowBits(size) / 8), 0);
        EXPECT_EQ(build.icon(), expected) << size;
        EXPECT_EQ(build.icon().size(), 22 + IconImageDataLength(size));
        EXPECT_FALSE(fs::exists(build.request.scratchPath)) << "the scratch file is removed";
        EXPECT_EQ(FilesIn(build.folder.root()), 2u) << "no temporary file stays beside the icon";
        EXPECT_EQ(ReadAll(build.folder.path("kytka.bmp")), bitmap);
    }
}

TEST(BuildIconFile, TwoExtraBytesAtTheBitmapsEndAreNeverRead) {
    Bytes bitmap = StripedBitmap(16);
    Build plain(bitmap, 16);
    ASSERT_TRUE(plain.run().succeeded());
    bitmap.insert(bitmap.end(), {0xAB, 0xCD});
    Build longer(bitmap, 16);
    ASSERT_TRUE(longer.run().succeeded());
    EXPECT_EQ(longer.icon(), plain.icon());
}

TEST(BuildIconFile, MarkedPixelsGetMaskBitsAndBlackEntriesOthersKeepTheirColours) {
    for (int size : {16, 24, 48, 96}) {
        const Bytes bitmap = StripedBitmap(size);
        Build build(bitmap, size);
        // Entries 12 and 15 are transparent; the caller saw them as one colour.
        auto isClear = [](int c, int r) { const int i = (c + 3 * r) % 7 + 10; return i == 12 || i == 15; };
        build.request.transparent = FlagsWhere(size, isClear);
        ASSERT_TRUE(build.run().succeeded());
        const Bytes icon = build.icon();
        const std::size_t rowBytes = static_cast<std::size_t>(MaskRowBits(size) / 8);
        const std::size_t maskStart = 62 + 1024 + static_cast<std::size_t>(size * size);
        for (int r = 0; r < size; ++r)
            for (int c = 0; c < size; ++c) {
                const std::size_t stored = static_cast<std::size_t>(size - 1 - r);
                const bool bit = icon[maskStart + stored * rowBytes + static_cast<std::size_t>(c / 8)] & (0x80 >> (c % 8));
                EXPECT_EQ(bit, isClear(c, r)) << size << ": " << c << "," << r;
                const std::uint8_t index = icon[62 + 1024 + stored * static_cast<std::size_t>(size) + static_cast<std::size_t>(c)];
                const Bytes entry(icon.begin() + 62 + 4 * index, icon.begin() + 66 + 4 * index);
                const Bytes original(bitmap.begin() + 54 + 4 * index, bitmap.begin() + 58 + 4 * index);
                EXPECT_EQ(entry, bit ? Bytes(4, 0) : original);
            }
        for (std::size_t stored = 0; stored < static_cast<std::size_t>(size); ++stored)
            for (std::size_t b = static_cast<std::size_t>((size + 7) / 8); b < rowBytes; ++b)
                EXPECT_EQ(icon[maskStart + stored * rowBytes + b], 0) << "padding of " << size;
        // Entries no pixel uses are not touched, nor are the pixel bytes.
        EXPECT_EQ(Bytes(icon.begin() + 62 + 4 * 20, icon.begin() + 62 + 1024), Bytes(bitmap.begin() + 54 + 80, bitmap.begin() + 1078));
        EXPECT_EQ(Bytes(icon.begin() + 1086, icon.begin() + static_cast<long>(maskStart)), Bytes(bitmap.begin() + 1078, bitmap.end()));
    }
}

TEST(BuildIconFile, QtsIconReaderSeesTransparentPixelsClearAndTheRestInTheBitmapsColours) {
    TestApplication();
    for (int size : {16, 24, 32, 48, 64, 96}) {
        Build build(StripedBitmap(size), size);
        auto isClear = [](int c, int r) { return (c + 3 * r) % 7 == 4; };
        build.request.transparent = FlagsWhere(size, isClear);
        ASSERT_TRUE(build.run().succeeded());
        QImageReader reader(QString::fromStdString(build.request.iconPath.string()));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << size << ": " << reader.errorString().toStdString();
        ASSERT_EQ(image.size(), QSize(size, size));
        for (int r = 0; r < size; ++r)
            for (int c = 0; c < size; ++c) {
                const QRgb shown = image.pixel(c, r);
                if (isClear(c, r)) {
                    EXPECT_EQ(qAlpha(shown), 0) << size << ": " << c << "," << r;
                } else {
                    const Rgb colour = DistinctColour((c + 3 * r) % 7 + 10);
                    EXPECT_EQ(shown, qRgba(colour.red, colour.green, colour.blue, 255)) << size << ": " << c << "," << r;
                }
            }
    }
}

TEST(BuildIconFile, AnOldIconIsReplacedWithItsPermissionBits) {
    Build build(StripedBitmap(32), 32);
    WriteAll(build.folder.path("kytka.ico"), Bytes(5000, 0x11));
    fs::permissions(build.folder.path("kytka.ico"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(build.run().succeeded());
    EXPECT_EQ(build.icon().size(), 2238u);
    EXPECT_EQ(fs::status(build.folder.path("kytka.ico")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(BuildIconFile, FileErrorsLeaveBitmapAndOldIconAndNoScratchBehind) {
    const Bytes bitmap = StripedBitmap(16);
    {
        Build build(bitmap, 16);
        fs::create_directory(build.folder.path("kytka.ico"));
        const iconfile::FileOutcome outcome = build.run();
        EXPECT_EQ(outcome.reason(), "Je to složka");
        EXPECT_EQ(outcome.path(), build.folder.path("kytka.ico").string());
        EXPECT_FALSE(fs::exists(build.request.scratchPath));
        EXPECT_EQ(ReadAll(build.folder.path("kytka.bmp")), bitmap);
    }
    for (const bool fifo : {false, true}) {  // the bitmap vanished or was swapped for a FIFO
        Build build(bitmap, 16);
        fs::remove(build.folder.path("kytka.bmp"));
        if (fifo) {
            ASSERT_EQ(::mkfifo(build.folder.path("kytka.bmp").c_str(), 0600), 0);
        }
        const iconfile::FileOutcome outcome = build.run();
        EXPECT_EQ(outcome.reason(), fifo ? "Není to obyčejný soubor" : "Soubor nebo složka neexistuje");
        EXPECT_EQ(outcome.path(), build.folder.path("kytka.bmp").string());
        EXPECT_EQ(FilesIn(build.folder.root()), fifo ? 1u : 0u);
    }
    {
        Build build(bitmap, 16);
        WriteAll(build.folder.path("kytka.ico"), Bytes{9, 9});
        build.request.scratchPath = build.scratch.path("missing") / "mObr5.tmp";
        const iconfile::FileOutcome outcome = build.run();
        EXPECT_FALSE(outcome.succeeded());
        EXPECT_EQ(outcome.path(), build.request.scratchPath.string());
        EXPECT_EQ(build.icon(), (Bytes{9, 9}));
        EXPECT_EQ(FilesIn(build.folder.root()), 2u);
    }
    {
        Build build(Bytes(bitmap.begin(), bitmap.end() - 10), 16);  // shrank since start-up
        EXPECT_FALSE(build.run().succeeded());
        EXPECT_FALSE(fs::exists(build.folder.path("kytka.ico")));
    }
    if (!IsRoot()) {
        Build build(bitmap, 16);
        fs::permissions(build.folder.root(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(build.run().succeeded());
        fs::permissions(build.folder.root(), fs::perms::owner_all);
        EXPECT_FALSE(fs::exists(build.folder.path("kytka.ico")));
        EXPECT_FALSE(fs::exists(build.request.scratchPath));
    }
}

TEST(BuildIconFile, EveryFailingStepLeavesTheOldIconAndNoStrayFile) {
    const Bytes bitmap = StripedBitmap(24);
    for (const FileFault& fault : kReplacementFaults) {
        if (std::string(fault.operation) == "open-read") continue;  // the bitmap is read before any of these
        Build build(bitmap, 24);
        WriteAll(build.folder.path("kytka.ico"), Bytes{9, 9});
        iconfile::SystemFileOperations real;
        ScriptedFileOperations files(real);
        files.failMatching = fault.operation;
        files.matchingFailures = 1;
        files.skipMatching = fault.skip;
        files.failErrno = fault.errorNumber;
        const iconfile::FileOutcome outcome = BuildIconFile(build.request, files);
        EXPECT_EQ(outcome.reason(), fault.reason) << fault.operation;
        EXPECT_EQ(build.icon(), (Bytes{9, 9})) << fault.operation;
        EXPECT_EQ(ReadAll(build.folder.path("kytka.bmp")), bitmap) << fault.operation;
        EXPECT_EQ(FilesIn(build.folder.root()), 2u) << fault.operation;
        EXPECT_FALSE(fs::exists(build.request.scratchPath)) << fault.operation;
    }
}
