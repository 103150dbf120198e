#include <gtest/gtest.h>

#include "iconfile/little_endian.h"
#include "pelcor/classic_image.h"
#include "pelcor_files.h"

using namespace pelcor;

namespace {

// Sixteen colours: runs in the top rows, then a short run and unequal pixels (literal stretches
// of odd and even length) below.
std::uint8_t Pattern(int c, int r) {
    if (r < 5) return static_cast<std::uint8_t>((c / 5) % 16);
    return static_cast<std::uint8_t>(c < 3 ? 5 : (c * 7 + r * 3) % 16);
}
Rgb SixteenColours(int i) { return i < 16 ? DistinctColour(i * 11 + 1) : Rgb{0, 0, 0}; }
std::uint8_t Checker(int c, int r) { return static_cast<std::uint8_t>((c + r) % 2); }
Rgb TwoColours(int i) { return i == 0 ? Rgb{10, 20, 30} : i == 1 ? Rgb{250, 240, 230} : Rgb{0, 0, 0}; }

Bytes ClassicBytes(const Bytes& classicBitmap) { return Bytes(classicBitmap.begin() + 54, classicBitmap.end()); }

std::optional<Bytes> Decoded(const Bytes& file) {
    const std::optional<ClassicImage> image = ClassicImageFromHeaders(file);
    if (!image) return std::nullopt;
    return image->paletteAndPixels;
}

}  // namespace

TEST(ClassicImageFromHeaders, EveryStoredLayoutGivesTheClassicImage) {
    const BitmapLayout sixteen[] = {
        {124, 8, true, false, 256}, {40, 8, true, false, 16},  {108, 8, false, true, 256}, {40, 8, false, false, 16},
        {124, 4, true, false, 16},  {40, 4, false, true, 16},  {108, 4, false, false, 16}};
    for (int size : {16, 24, 32, 48, 64, 96}) {
        const Bytes classic = ClassicBytes(TestBitmap(size, Pattern, SixteenColours));
        for (const BitmapLayout& layout : sixteen) {
            const auto decoded = Decoded(EncodedBitmap(size, Pattern, SixteenColours, layout));
            ASSERT_TRUE(decoded) << size << " " << layout.headerSize << "/" << layout.bitCount << "/" << layout.runLength;
            EXPECT_EQ(*decoded, classic) << size << " " << layout.headerSize << "/" << layout.bitCount << "/" << layout.runLength;
        }
        for (bool topDown : {false, true}) {
            const auto twoColours = Decoded(EncodedBitmap(size, Checker, TwoColours, {40, 1, false, topDown, 2}));
            ASSERT_TRUE(twoColours) << size;
            EXPECT_EQ(*twoColours, ClassicBytes(TestBitmap(size, Checker, TwoColours))) << size;
        }
    }
}

TEST(ClassicImageFromHeaders, OtherFormatsSizesAndBrokenFieldsAreRefused) {
    const Bytes good = EncodedBitmap(32, Pattern, SixteenColours, {40, 8, true, false, 16});
    ASSERT_TRUE(Decoded(good));
    const auto with = [&good](std::size_t at, std::uint32_t value, int bytes = 4) {
        Bytes changed = good;
        for (int i = 0; i < bytes; ++i) changed[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
        return changed;
    };
    const struct {
        Bytes file;
        const char* what;
    } refused[] = {
        {with(0, 'M' | 'B' << 8, 2), "signature"},
        {with(14, 12), "core header"},
        {with(14, 64), "header size"},
        {with(28, 24, 2), "24 bits"},
        {with(28, 4, 2), "RLE8 with 4 bits"},
        {with(30, 3), "bit fields"},
        {with(18, 20), "20 pixels"},
        {with(22, 16), "not square"},
        {with(22, static_cast<std::uint32_t>(-32)), "top-down run-length data"},
        {with(18, 0x80000000u), "negative width"},
        {with(46, 257), "257 palette entries"},
        {with(46, 0x40000000u), "huge palette"},
        {with(10, static_cast<std::uint32_t>(good.size())), "pixels past the end"},
        {with(10, 14 + 40 + 4 * 15), "pixels inside the palette"},
    };
    for (const auto& [file, what] : refused) EXPECT_FALSE(Decoded(file)) << what;

    // Run-length data ending early is refused; only the end mark after the last row may be missing.
    for (std::size_t length = 14 + 40 + 64; length + 2 < good.size(); ++length)
        ASSERT_FALSE(Decoded(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length)))) << length;
    EXPECT_TRUE(Decoded(Bytes(good.begin(), good.end() - 2)));
    const Bytes plain = EncodedBitmap(32, Pattern, SixteenColours, {124, 4, false, false, 16});
    EXPECT_FALSE(Decoded(Bytes(plain.begin(), plain.end() - 1))) << "one byte of the last row missing";
}

TEST(ClassicImageFromHeaders, JumpsAndShortRowsLeaveIndexZeroAndRunsStopAtTheEdge) {
    Bytes file = EncodedBitmap(16, [](int, int) { return std::uint8_t{3}; }, SixteenColours, {40, 8, true, false, 16});
    file.resize(14 + 40 + 64);
    // Jump 3 right and 1 up, two pixels of 7, end of row, a run of 20 nines, then a literal
    // stretch of three with its pad byte, and the end of the picture.
    file.insert(file.end(), {0, 2, 3, 1, 2, 7, 0, 0, 20, 9, 0, 0, 0, 3, 4, 5, 6, 0, 0, 1});
    const auto decoded = Decoded(file);
    ASSERT_TRUE(decoded);
    const auto at = [&decoded](int column, int bottomRow) { return (*decoded)[1024 + 16 * bottomRow + column]; };
    EXPECT_EQ(at(0, 0), 0);
    EXPECT_EQ(at(2, 1), 0);
    EXPECT_EQ(at(3, 1), 7);
    EXPECT_EQ(at(4, 1), 7);
    EXPECT_EQ(at(5, 1), 0);
    EXPECT_EQ(at(15, 2), 9);
    EXPECT_EQ(at(0, 3), 4) << "a run never reaches into the next row";
    EXPECT_EQ(at(2, 3), 6);
    EXPECT_EQ(at(3, 3), 0);
    EXPECT_EQ(at(15, 15), 0);
}
