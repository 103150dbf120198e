#include <gtest/gtest.h>

#include "iconfile/icon_directory.h"
#include "support/temp_files.h"

using namespace iconfile;

TEST(IconDirectory, ReadsHeaderAndEntriesAndTellsShortFilesAndNonFilesApart) {
    ScratchFolder folder;
    Bytes two(6 + 2 * 16, 0);
    two[2] = 2, two[4] = 2;
    two[6] = 48, two[7] = 32, two[10] = 7, two[12] = 9;  // first entry: 48 x 32, hot spot (7, 9)
    two[22 + 8] = 0x28, two[22 + 9] = 1;                   // second entry: image size 296
    WriteAll(folder.path("two.cur"), two);
    const IconDirectory read = ReadIconDirectory(folder.path("two.cur"));
    EXPECT_EQ(read.status, DirectoryRead::Read);
    EXPECT_EQ(read.fileLength, two.size());
    ASSERT_TRUE(read.header);
    EXPECT_EQ(read.header->resourceType, 2);
    ASSERT_EQ(read.entries.size(), 2u);
    EXPECT_EQ(read.entries[0].width, 48);
    EXPECT_EQ(read.entries[0].hotSpotX(), 7);
    EXPECT_EQ(read.entries[0].hotSpotY(), 9);
    EXPECT_EQ(read.entries[1].imageSize, 296u);
    EXPECT_EQ((std::array{read.resourceTypeLow, read.imageCountLow, read.firstWidthByte, read.firstHeightByte}),
              (std::array{2, 2, 48, 32}));

    // The second entry is cut off: the first is still read, the low bytes are all there.
    two.resize(30);
    WriteAll(folder.path("cut.cur"), two);
    const IconDirectory cut = ReadIconDirectory(folder.path("cut.cur"));
    EXPECT_EQ(cut.status, DirectoryRead::TooShort);
    EXPECT_TRUE(cut.opened());
    EXPECT_EQ(cut.entries.size(), 1u);
    EXPECT_EQ(cut.firstHeightByte, 32);

    // Bytes past the end read as 0, as the start-up tests expect of a three-byte cursor.
    WriteAll(folder.path("tiny.cur"), Bytes{0, 0, 2});
    const IconDirectory tiny = ReadIconDirectory(folder.path("tiny.cur"));
    EXPECT_EQ(tiny.status, DirectoryRead::TooShort);
    EXPECT_FALSE(tiny.header);
    EXPECT_EQ(tiny.resourceTypeLow, 2);
    EXPECT_EQ(tiny.imageCountLow, 0);

    std::filesystem::create_directory(folder.path("dir.ico"));
    for (const char* name : {"dir.ico", "missing.ico"}) {
        const IconDirectory none = ReadIconDirectory(folder.path(name));
        EXPECT_EQ(none.status, DirectoryRead::NotAFile) << name;
        EXPECT_FALSE(none.opened());
        EXPECT_EQ(none.resourceTypeLow, 0);
    }
}

TEST(IconDirectory, DecoderFriendlyCopyClearsPlanesAndBitCountOfEveryEntryOnly) {
    ScratchFolder folder;
    Bytes cursor(6 + 2 * 16 + 10, 0xAB);
    cursor[0] = cursor[1] = 0, cursor[2] = 2, cursor[3] = 0, cursor[4] = 2, cursor[5] = 0;
    WriteAll(folder.path("k.cur"), cursor);
    const auto copy = DecoderFriendlyCopy(folder.path("k.cur"));
    ASSERT_TRUE(copy);
    Bytes expected = cursor;
    for (std::size_t entry : {6u, 22u}) {
        expected[entry + 4] = 1, expected[entry + 5] = 0;
        expected[entry + 6] = 0, expected[entry + 7] = 0;
    }
    EXPECT_EQ(*copy, expected);
    EXPECT_EQ(ReadAll(folder.path("k.cur")), cursor) << "the file itself is only read";

    cursor[2] = 3;  // no icon or cursor
    WriteAll(folder.path("x.cur"), cursor);
    EXPECT_FALSE(DecoderFriendlyCopy(folder.path("x.cur")));
    WriteAll(folder.path("short.cur"), Bytes{0, 0, 2, 0, 1, 0, 32});
    EXPECT_FALSE(DecoderFriendlyCopy(folder.path("short.cur")));
}
