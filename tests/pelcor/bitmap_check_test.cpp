#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "pelcor/bitmap_check.h"
#include "pelcor/bitmap_pixels.h"
#include "pelcor/scratch_name.h"
#include "pelcor_files.h"

using namespace pelcor;

TEST(BitmapLength, TableLengthsAndTwoExtraBytesOnly) {
    const std::pair<std::uint64_t, int> accepted[] = {{1334, 16}, {1654, 24}, {2102, 32}, {3382, 48}, {5174, 64},
                                                      {10294, 96}, {1336, 16}, {1656, 24}, {2104, 32}, {3384, 48},
                                                      {5176, 64}, {10296, 96}};
    for (const auto& [length, size] : accepted) EXPECT_EQ(PictureSizeForLength(length), size) << length;
    for (std::uint64_t length : {0ull, 1ull, 2ull, 1333ull, 1335ull, 1337ull, 1338ull, 10298ull, 1078ull + 20 * 20})
        EXPECT_FALSE(PictureSizeForLength(length).has_value()) << length;
    EXPECT_EQ(PenWidthFor(16), 6);
    EXPECT_EQ(PenWidthFor(24), 6);
    EXPECT_EQ(PenWidthFor(32), 6);
    EXPECT_EQ(PenWidthFor(48), 4);
    EXPECT_EQ(PenWidthFor(64), 3);
    EXPECT_EQ(PenWidthFor(96), 2);
}

TEST(ValidateBitmap, LengthAndSignatureDecideWhateverTheHeadersSay) {
    ScratchFolder folder;
    for (int size : {16, 24, 32, 48, 64, 96}) {
        WriteAll(folder.path("b.bmp"), PlainBitmap(size));
        EXPECT_EQ(ValidateBitmap(folder.path("b.bmp").string()), size);
    }
    Bytes longer = PlainBitmap(16);
    longer.insert(longer.end(), {0xEE, 0xEE});
    WriteAll(folder.path("1336.bmp"), longer);
    EXPECT_EQ(ValidateBitmap(folder.path("1336.bmp").string()), 16);

    Bytes trueColour = PlainBitmap(24);  // 24-bit headers, but the length of a 24 x 24 bitmap
    trueColour[28] = 24;
    WriteAll(folder.path("24bit.bmp"), trueColour);
    EXPECT_EQ(ValidateBitmap(folder.path("24bit.bmp").string()), 24);
    trueColour.insert(trueColour.end(), {0xEE, 0xEE, 0xEE, 0xEE});
    WriteAll(folder.path("24bit.bmp"), trueColour);
    EXPECT_FALSE(ValidateBitmap(folder.path("24bit.bmp").string())) << "no table length: the headers decide";

    Bytes unsigned_ = PlainBitmap(16);
    unsigned_[0] = 'M', unsigned_[1] = 'B';
    WriteAll(folder.path("mb.bmp"), unsigned_);
    EXPECT_FALSE(ValidateBitmap(folder.path("mb.bmp").string()));

}

TEST(ValidateBitmap, OtherLayoutsAreReadThroughTheirHeaders) {
    ScratchFolder folder;
    // 16 palette entries instead of 256: no table length, so the headers decide.
    WriteAll(folder.path("pal16.bmp"), EncodedBitmap(16, [](int c, int) { return static_cast<std::uint8_t>(c); },
                                                     DistinctColour, {40, 8, false, false, 16}));
    EXPECT_EQ(ValidateBitmap(folder.path("pal16.bmp").string()), 16);
    const auto pixels = ReadBitmapPixels(folder.path("pal16.bmp").string(), 16);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->palette[15], (iconfile::PaletteEntry{45, 240, 15, 0}));
    EXPECT_EQ(pixels->palette[16], (iconfile::PaletteEntry{0, 0, 0, 0})) << "entries the file lacks are 0 0 0 0";
    EXPECT_EQ(pixels->IndexAt(9, 3), 9);

    Bytes huge = EncodedBitmap(16, [](int, int) { return std::uint8_t{1}; }, DistinctColour, {40, 8, false, false, 16});
    huge.resize(kLargestReadBitmap + 1, 0);
    WriteAll(folder.path("huge.bmp"), huge);
    EXPECT_FALSE(ValidateBitmap(folder.path("huge.bmp").string()));
}

TEST(ValidateBitmap, CommandLineThatNamesNoRegularFileIsRefusedAndNothingIsCreated) {
    ScratchFolder folder;
    WriteAll(folder.path("b.bmp"), PlainBitmap(16));
    ASSERT_EQ(::mkfifo(folder.path("fifo.bmp").c_str(), 0600), 0);
    std::filesystem::create_directory(folder.path("dir.bmp"));
    const std::string quoted = "\"" + folder.path("b.bmp").string() + "\"";
    for (const std::string& path : {std::string(), quoted, folder.path("missing.bmp").string(),
                                    folder.path("fifo.bmp").string(), folder.path("dir.bmp").string()})
        EXPECT_FALSE(ValidateBitmap(path)) << path;
    EXPECT_FALSE(std::filesystem::exists(folder.path("missing.bmp")));
}

TEST(ReadBitmapPixels, PaletteAtFiftyFourAndRowsBottomUp) {
    ScratchFolder folder;
    WriteAll(folder.path("b.bmp"), TestBitmap(16, [](int c, int r) { return static_cast<std::uint8_t>(r * 16 + c); },
                                              DistinctColour));
    const auto pixels = ReadBitmapPixels(folder.path("b.bmp").string(), 16);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->IndexAt(0, 0), 0);
    EXPECT_EQ(pixels->IndexAt(15, 0), 15);
    EXPECT_EQ(pixels->IndexAt(3, 15), 243);
    EXPECT_EQ(pixels->palette[200], (iconfile::PaletteEntry{static_cast<std::uint8_t>(600 & 0xFF), 55, 200, 0}));
    EXPECT_FALSE(ReadBitmapPixels(folder.path("b.bmp").string(), 24)) << "a file too short is not read past its end";
}

TEST(ScratchFileName, NumberFromZeroTo999SeededByTheTime) {
    for (unsigned seconds : {0u, 1u, 43200u, 86399u}) {
        const std::string name = ScratchFileName(seconds);
        ASSERT_TRUE(name.starts_with("mObr") && name.ends_with(".tmp")) << name;
        const std::string digits = name.substr(4, name.size() - 8);
        ASSERT_FALSE(digits.empty());
        EXPECT_TRUE(digits == "0" || digits[0] != '0') << name;
        EXPECT_LE(std::stoi(digits), 999);
        EXPECT_EQ(ScratchFileName(seconds), name) << "the same seed gives the same name";
    }
}
