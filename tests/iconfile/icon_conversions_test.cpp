#include <gtest/gtest.h>

#include "iconfile/file_operations.h"
#include "iconfile/icon_conversions.h"
#include "support/temp_files.h"

using namespace iconfile;

namespace {

Bytes SampleCursor(std::uint8_t hotX, std::uint8_t hotY) {
    Bytes bytes(22 + 40, 0xAB);
    bytes[0] = bytes[1] = 0;
    bytes[2] = 2, bytes[3] = 0, bytes[4] = 1, bytes[5] = 0;
    bytes[10] = hotX, bytes[11] = 0, bytes[12] = hotY, bytes[13] = 0;
    return bytes;
}

}  // namespace

TEST(IconConversions, CursorToIconAndBackIsByteForByte) {
    ScratchFolder folder;
    const Bytes cursor = SampleCursor(7, 3);
    WriteAll(folder.path("pes.cur"), cursor);
    ASSERT_TRUE(ConvertCursorToIcon(folder.path("pes.cur").string())->succeeded());
    const Bytes icon = ReadAll(folder.path("pes.ico"));
    ASSERT_EQ(icon.size(), cursor.size());
    EXPECT_EQ(icon[2], 1);
    EXPECT_EQ((Bytes(icon.begin() + 10, icon.begin() + 14)), (Bytes{0, 0, 0, 0}));
    ASSERT_TRUE(ConvertIconToCursor(folder.path("pes.ico").string(), 7, 3)->succeeded());
    EXPECT_EQ(ReadAll(folder.path("pes.cur")), cursor);
}

TEST(IconConversions, IconToCursorTouchesOnlyTheThreeBytes) {
    ScratchFolder folder;
    Bytes icon = SampleCursor(1, 8);  // planes 1, bitCount 8
    icon[2] = 1;
    WriteAll(folder.path("SIPKA.ICO"), icon);
    ASSERT_TRUE(ConvertIconToCursor(folder.path("SIPKA.ICO").string(), 0, 0)->succeeded());
    Bytes expected = icon;
    expected[2] = 2, expected[10] = 0, expected[12] = 0;
    EXPECT_EQ(ReadAll(folder.path("SIPKA.cur")), expected);
    EXPECT_EQ(ReadAll(folder.path("SIPKA.ICO")), icon);
}

TEST(IconConversions, ThreeByteCursorGivesThirteenByteIcon) {
    ScratchFolder folder;
    WriteAll(folder.path("k.cur"), Bytes{0, 0, 2});
    ASSERT_TRUE(ConvertCursorToIcon(folder.path("k.cur").string())->succeeded());
    Bytes expected(13, 0);
    expected[2] = 1;
    EXPECT_EQ(ReadAll(folder.path("k.ico")), expected);
}

TEST(IconConversions, CursorNamedIcoIsRewrittenInPlace) {
    ScratchFolder folder;
    const Bytes cursor = SampleCursor(5, 6);
    WriteAll(folder.path("x.ico"), cursor);
    ASSERT_TRUE(ConvertCursorToIcon(folder.path("x.ico").string())->succeeded());
    Bytes expected = cursor;
    expected[2] = 1, expected[10] = 0, expected[12] = 0;
    EXPECT_EQ(ReadAll(folder.path("x.ico")), expected);
}

TEST(IconConversions, EveryEntryOfACursorOfSeveralSizesLosesItsHotSpot) {
    ScratchFolder folder;
    Bytes cursor = SampleCursor(4, 4);
    cursor[4] = 2;
    cursor[26] = 9, cursor[27] = 1, cursor[28] = 9;  // second entry's hot spot
    WriteAll(folder.path("two.cur"), cursor);
    ASSERT_TRUE(ConvertCursorToIcon(folder.path("two.cur").string())->succeeded());
    Bytes expected = cursor;
    expected[2] = 1, expected[10] = 0, expected[12] = 0, expected[26] = 0, expected[28] = 0;
    EXPECT_EQ(ReadAll(folder.path("two.ico")), expected);
    // An entry the file announces but does not hold is not written past its end.
    cursor[4] = 200;
    WriteAll(folder.path("many.cur"), cursor);
    ASSERT_TRUE(ConvertCursorToIcon(folder.path("many.cur").string())->succeeded());
    EXPECT_EQ(ReadAll(folder.path("many.ico")).size(), cursor.size());
}

TEST(IconConversions, CommittedIconAndCursorDifferInTypeAndHotSpotOnly) {
    const Bytes icon = ReadAll(TestData("sipka16.ico")), cursor = ReadAll(TestData("sipka16.cur"));
    ASSERT_EQ(icon.size(), 1406u);
    ASSERT_EQ(cursor.size(), icon.size());
    Bytes patched = icon;
    patched[2] = 2, patched[10] = 7, patched[12] = 3;
    EXPECT_EQ(cursor, patched);

    ScratchFolder folder;
    WriteAll(folder.path("sipka.ico"), icon);
    ASSERT_TRUE(ConvertIconToCursor(folder.path("sipka.ico").string(), 7, 3)->succeeded());
    EXPECT_EQ(ReadAll(folder.path("sipka.cur")), cursor);
    std::filesystem::remove(folder.path("sipka.ico"));
    ASSERT_TRUE(ConvertCursorToIcon(folder.path("sipka.cur").string())->succeeded());
    EXPECT_EQ(ReadAll(folder.path("sipka.ico")), icon);
}

TEST(IconConversions, OnlyAnIconWithOtherBytesCountsAsReplaced) {
    ScratchFolder folder;
    SystemFileOperations files;
    const std::string cursor = folder.path("k.cur").string(), icon = folder.path("k.ico").string();
    WriteAll(cursor, SampleCursor(7, 3));
    EXPECT_FALSE(IconTwinReplacesOtherFile(cursor, icon, files)) << "nothing there";
    ASSERT_TRUE(ConvertCursorToIcon(cursor)->succeeded());
    const Bytes twin = ReadAll(icon);
    EXPECT_FALSE(IconTwinReplacesOtherFile(cursor, icon, files)) << "the twin already";
    Bytes other = twin;
    other.back() ^= 1;
    WriteAll(icon, other);
    EXPECT_TRUE(IconTwinReplacesOtherFile(cursor, icon, files)) << "one byte differs";
    other = twin;
    other.push_back(0);
    WriteAll(icon, other);
    EXPECT_TRUE(IconTwinReplacesOtherFile(cursor, icon, files)) << "one byte longer";
    EXPECT_FALSE(IconTwinReplacesOtherFile(cursor, cursor, files)) << "the input itself";
    // A three-byte cursor's twin reaches past its end: the gap is zeros.
    WriteAll(cursor, Bytes{0, 0, 2});
    WriteAll(icon, Bytes{0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_FALSE(IconTwinReplacesOtherFile(cursor, icon, files));
    WriteAll(icon, Bytes{0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9});
    EXPECT_TRUE(IconTwinReplacesOtherFile(cursor, icon, files));
}
