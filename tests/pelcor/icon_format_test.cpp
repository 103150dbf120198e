#include <gtest/gtest.h>

#include <filesystem>

#include "iconfile/icon_records.h"
#include "pelcor/icon_header.h"
#include "pelcor/icon_path.h"
#include "pelcor/transparency_mask.h"
#include "support/temp_files.h"

using namespace pelcor;

TEST(IconPathFor, ReplacesOnlyTheLastExtensionOfTheLastName) {
    EXPECT_EQ(IconPathFor("/obr/kytka.bmp"), "/obr/kytka.ico");
    EXPECT_EQ(IconPathFor("kytka.BMP"), "kytka.ico");
    EXPECT_EQ(IconPathFor("kytka.b.bmp"), "kytka.b.ico");
    EXPECT_EQ(IconPathFor("kytka"), "kytka.ico");
    EXPECT_EQ(IconPathFor("/obr.nova/kytka"), "/obr.nova/kytka.ico");
    EXPECT_EQ(IconPathFor("kytka.dlouha_pripona"), "kytka.ico");
    EXPECT_EQ(IconPathFor("kytka."), "kytka.ico");
    EXPECT_EQ(IconPathFor("květina.bmp"), "květina.ico");
    EXPECT_EQ(IconPathFor("obrazek.ico"), "obrazek.ico");
    EXPECT_EQ(IconPathFor(""), ".ico");
}

TEST(NamesSameFile, FollowsLinksAndTellsDifferentFilesApart) {
    ScratchFolder folder;
    WriteAll(folder.path("a.bmp"), Bytes{1});
    WriteAll(folder.path("b.bmp"), Bytes{1});
    std::filesystem::create_symlink(folder.path("a.bmp"), folder.path("a.ico"));
    std::filesystem::create_hard_link(folder.path("b.bmp"), folder.path("b.ico"));
    EXPECT_TRUE(NamesSameFile(folder.path("a.bmp").string(), folder.path("a.ico").string()));
    EXPECT_TRUE(NamesSameFile(folder.path("b.bmp").string(), folder.path("b.ico").string()));
    EXPECT_FALSE(NamesSameFile(folder.path("a.bmp").string(), folder.path("b.bmp").string()));
    EXPECT_FALSE(NamesSameFile(folder.path("a.bmp").string(), folder.path("none.ico").string()));
}

TEST(IconHeaderFor, SixteenBytesExactly) {
    const Bytes expected = {0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x10, 0x10, 0x00, 0x00, 0x00, 0x00, 0x00,
                            0x00, 0x68, 0x05, 0x00, 0x00, 0x16, 0x00, 0x00, 0x00, 0x28, 0x00, 0x00, 0x00,
                            0x10, 0x00, 0x00, 0x00, 0x20, 0x00, 0x00, 0x00, 0x01, 0x00, 0x08, 0x00, 0x00,
                            0x00, 0x00, 0x00, 0x40, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                            0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    const auto header = IconHeaderFor(16);
    EXPECT_EQ(Bytes(header.begin(), header.end()), expected);
}

TEST(IconHeaderFor, EverySizeHasItsOwnFields) {
    struct Row {
        int size;
        std::uint16_t planes, bitCount;
        std::uint32_t entryImageSize, bitmapImageSize, colorsUsed;
    };
    const Row table[] = {{16, 0, 0, 1384, 320, 256},  {24, 1, 8, 1736, 0, 0},    {32, 0, 0, 2216, 1152, 256},
                         {48, 1, 8, 3752, 2688, 256}, {64, 0, 0, 5672, 0, 256}, {96, 0, 0, 11432, 0, 256}};
    for (const Row& row : table) {
        const auto bytes = IconHeaderFor(row.size);
        const std::span<const std::uint8_t> all(bytes);
        const auto file = iconfile::IconFileHeader::Decode(all.first<6>());
        const auto entry = iconfile::IconDirEntry::Decode(all.subspan<6, 16>());
        const auto bitmap = iconfile::ImageBitmapHeader::Decode(all.subspan<22, 40>());
        EXPECT_EQ(file.reserved, 0);
        EXPECT_EQ(file.resourceType, 1);
        EXPECT_EQ(file.imageCount, 1);
        EXPECT_EQ(entry.width, row.size);
        EXPECT_EQ(entry.height, row.size);
        EXPECT_EQ(entry.colorCount, 0);
        EXPECT_EQ(entry.planes, row.planes) << row.size;
        EXPECT_EQ(entry.bitCount, row.bitCount) << row.size;
        EXPECT_EQ(entry.imageSize, row.entryImageSize) << row.size;
        EXPECT_EQ(entry.imageOffset, 22u);
        EXPECT_EQ(bitmap.headerSize, 40u);
        EXPECT_EQ(bitmap.width, row.size);
        EXPECT_EQ(bitmap.height, 2 * row.size);
        EXPECT_EQ(bitmap.planes, 1);
        EXPECT_EQ(bitmap.bitCount, 8);
        EXPECT_EQ(bitmap.compression, 0u);
        EXPECT_EQ(bitmap.imageSize, row.bitmapImageSize) << row.size;
        EXPECT_EQ(bitmap.colorsUsed, row.colorsUsed) << row.size;
        EXPECT_EQ(bitmap.colorsImportant, 0u);
        EXPECT_EQ(IconImageDataLength(row.size), row.entryImageSize);
    }
}

TEST(TransparencyMask, RowBitsRoundUpToWholeWords) {
    const std::pair<int, int> table[] = {{16, 32}, {24, 32}, {32, 32}, {48, 64}, {64, 64}, {96, 96}};
    for (const auto& [size, bits] : table) EXPECT_EQ(MaskRowBits(size), bits) << size;
}

TEST(TransparencyMask, PackingPutsTheLeftmostPixelInTheTopBit) {
    EXPECT_EQ(PackMask("1000000001000001"), (Bytes{0x80, 0x41}));
    EXPECT_EQ(PackMask("00000000"), (Bytes{0}));
    EXPECT_EQ(PackMask(""), Bytes{});
}

TEST(TransparencyMask, RowsLieBottomUpAndPaddingStaysZero) {
    const std::pair<int, Bytes> rows[] = {{16, {0xFF, 0xFF, 0, 0}},
                                          {24, {0xFF, 0xFF, 0xFF, 0}},
                                          {48, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}}};
    for (const auto& [size, row] : rows) {
        // Everything transparent: only the padding bits stay 0.
        const Bytes packed = PackMask(MaskCharacters(std::vector<bool>(static_cast<std::size_t>(size * size), true), size));
        ASSERT_EQ(packed.size(), row.size() * static_cast<std::size_t>(size));
        for (int r = 0; r < size; ++r)
            EXPECT_EQ(Bytes(packed.begin() + r * static_cast<long>(row.size()), packed.begin() + (r + 1) * static_cast<long>(row.size())),
                      row) << size << " row " << r;
    }
    // One pixel: top row, last column of 24 lands in the last stored row, bit 23.
    std::vector<bool> one(24 * 24, false);
    one[23] = true;
    const std::string text = MaskCharacters(one, 24);
    EXPECT_EQ(text.size(), 32u * 24);
    EXPECT_EQ(text.find('1'), 32u * 23 + 23);
    EXPECT_EQ(text.rfind('1'), 32u * 23 + 23);
}

TEST(IconHeaderFor, MatchesTheCommittedHeadersOfEverySize) {
    const Bytes fixture = ReadAll(TestData("pelcor_icon_headers.bin"));
    const int sizes[] = {16, 24, 32, 48, 64, 96};
    const std::uint32_t entryImageSizes[] = {1384, 1736, 2216, 3752, 5672, 11432};
    ASSERT_EQ(fixture.size(), 6 * kIconHeaderLength);
    for (std::size_t k = 0; k < 6; ++k) {
        const Bytes header(fixture.begin() + static_cast<long>(k * kIconHeaderLength),
                           fixture.begin() + static_cast<long>((k + 1) * kIconHeaderLength));
        EXPECT_EQ(header[6], sizes[k]);
        EXPECT_EQ(header[14] | header[15] << 8, static_cast<int>(entryImageSizes[k])) << sizes[k];
        const auto made = IconHeaderFor(sizes[k]);
        EXPECT_EQ(Bytes(made.begin(), made.end()), header) << sizes[k];
    }
}
