#include <gtest/gtest.h>

#include "iconfile/hot_spot_scaling.h"
#include "iconfile/icon_encoder.h"
#include "support/file_encoder.h"

using namespace iconfile;

namespace {

// A square picture whose pixel (x, y) is red x, green y, blue 9 and opaque, but for pixel (0, 0),
// which is fully transparent (and not black, so the encoder must clear it).
RgbaPicture Picture(int size) {
    RgbaPicture picture{size, size, {}};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const bool clear = x == 0 && y == 0;
            picture.rgba.insert(picture.rgba.end(), {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 9,
                                                     static_cast<std::uint8_t>(clear ? 0 : 255)});
        }
    return picture;
}

// The image block of `Picture(size)` written from the format, field by field.
Bytes ExpectedBlock(int size) {
    const auto side = static_cast<std::uint32_t>(size);
    const auto maskRow = static_cast<std::uint32_t>(TestRowBytes(side));
    ExpectedBytes e;
    e.u32(40).u32(side).u32(2 * side).u16(1).u16(32).u32(0).u32(4 * side * side + side * maskRow);
    e.u32(0).u32(0).u32(0).u32(0);
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x) {
            if (x == 0 && y == 0) e.u32(0);
            else e.u8(9).u8(static_cast<std::uint8_t>(y)).u8(static_cast<std::uint8_t>(x)).u8(255);
        }
    for (int y = size - 1; y >= 0; --y) {
        e.u8(y == 0 ? 0x80 : 0);
        e.fill(maskRow - 1, 0);
    }
    return e.bytes;
}

}  // namespace

TEST(IconEncoder, MultiSizeCursorHasOneEntryAndBlockPerPictureInOrder) {
    const std::vector<CursorPicture> pictures{{Picture(2), 1, 0}, {Picture(3), 2, 1}};
    const Bytes block2 = ExpectedBlock(2), block3 = ExpectedBlock(3);
    ExpectedBytes e;
    e.u16(0).u16(2).u16(2);
    e.u8(2).u8(2).u8(0).u8(0).u16(1).u16(0).u32(static_cast<std::uint32_t>(block2.size())).u32(38);
    e.u8(3).u8(3).u8(0).u8(0).u16(2).u16(1).u32(static_cast<std::uint32_t>(block3.size()))
        .u32(static_cast<std::uint32_t>(38 + block2.size()));
    e.raw(block2).raw(block3);
    EXPECT_EQ(EncodeCursor(pictures), e.bytes);
}

TEST(IconEncoder, IconEntriesNameOnePlaneAndTheBitCountAnd256IsWrittenAsZero) {
    RgbaPicture large{256, 256, Bytes(256 * 256 * 4, 255)};
    const std::vector<ContainerImage> images{Bitmap32Image(large, 7, 7)};
    const Bytes icon = EncodeContainer(IconFileKind::Icon, images);
    EXPECT_EQ(icon[2], 1);
    EXPECT_EQ((Bytes(icon.begin() + 6, icon.begin() + 14)), (Bytes{0, 0, 0, 0, 1, 0, 32, 0}));
    EXPECT_EQ(icon.size(), 22u + 40 + 256 * 256 * 4 + 256 * 32);
}

TEST(HotSpotScaling, ScalesWithTiesToEvenAndStaysInside) {
    EXPECT_EQ(ScaledHotSpot(4, 32, 48), 6);
    EXPECT_EQ(ScaledHotSpot(4, 32, 64), 8);
    EXPECT_EQ(ScaledHotSpot(3, 32, 48), 4);   // 4.5
    EXPECT_EQ(ScaledHotSpot(5, 32, 48), 8);   // 7.5
    EXPECT_EQ(ScaledHotSpot(7, 48, 16), 2);   // 2.33
    EXPECT_EQ(ScaledHotSpot(31, 32, 256), 248);
    EXPECT_EQ(ScaledHotSpot(47, 48, 16), 15);  // 15.67 would round to 16, outside
    EXPECT_EQ(ScaledHotSpot(0, 32, 48), 0);
}
