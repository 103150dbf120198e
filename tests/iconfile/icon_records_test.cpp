#include <gtest/gtest.h>

#include "iconfile/icon_records.h"
#include "iconfile/output_path.h"

using namespace iconfile;

TEST(IconRecords, PackedSizesAndFieldOffsets) {
    IconFileHeader header{0, 2, 0x0101};
    EXPECT_EQ(header.Encode(), (std::array<std::uint8_t, 6>{0, 0, 2, 0, 1, 1}));

    IconDirEntry entry{32, 24, 0, 0, 7, 3, 2216, 22};
    const auto e = entry.Encode();
    ASSERT_EQ(e.size(), 16u);
    EXPECT_EQ(e[0], 32);
    EXPECT_EQ(e[1], 24);
    EXPECT_EQ(e[4], 7);   // file offset 10: hotSpotX / planes
    EXPECT_EQ(e[6], 3);   // file offset 12: hotSpotY / bitCount
    EXPECT_EQ(e[8], 0xA8);
    EXPECT_EQ(e[9], 0x08);
    EXPECT_EQ(e[12], 22);
    EXPECT_EQ(IconDirEntry::Decode(e).imageSize, 2216u);
    EXPECT_EQ(IconDirEntry::Decode(e).hotSpotX(), 7);

    ImageBitmapHeader bitmap;
    bitmap.width = 16;
    bitmap.height = 32;
    const auto b = bitmap.Encode();
    ASSERT_EQ(b.size(), 40u);
    EXPECT_EQ(b[0], 40);
    EXPECT_EQ(b[8], 32);
    EXPECT_EQ(b[12], 1);
    EXPECT_EQ(b[14], 8);
    EXPECT_EQ(ImageBitmapHeader::Decode(b).height, 32);

    EXPECT_EQ((PaletteEntry{1, 2, 3, 0}.Encode()), (std::array<std::uint8_t, 4>{1, 2, 3, 0}));
}

TEST(IconRecords, BlockLengthsOf256ColourImages) {
    EXPECT_EQ(ImageBlockLength(16, 16, 8, 256), 1384u);
    EXPECT_EQ(ImageBlockLength(32, 32, 8, 256), 2216u);
    EXPECT_EQ(RowBytes(24), 4u);
    EXPECT_EQ(RowBytes(48), 8u);
}

TEST(OutputPath, ReplacesTheLastThreeCharacters) {
    EXPECT_EQ(OutputPathFor("C:/IKONY/SIPKA.ICO", "cur"), "C:/IKONY/SIPKA.cur");
    EXPECT_EQ(OutputPathFor("a.cursor", "ico"), "a.curico");
    // Characters, not bytes: "žšč" are two bytes each.
    EXPECT_EQ(OutputPathFor("x.žšč", "ico"), "x.ico");
}

TEST(OutputPath, NoRoomWhenASeparatorIsAmongTheLastThree) {
    EXPECT_EQ(OutputPathFor("a/b.ico", "cur"), "a/b.cur");
    EXPECT_EQ(OutputPathFor("ščř", "ico"), "ico");
    EXPECT_EQ(OutputPathFor("dir/ab", "cur"), std::nullopt);
    EXPECT_EQ(OutputPathFor("ab", "cur"), std::nullopt);
    EXPECT_EQ(OutputPathFor("abc/", "cur"), std::nullopt);
}
