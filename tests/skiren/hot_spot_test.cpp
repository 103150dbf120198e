#include <gtest/gtest.h>

#include <vector>

#include "desktop/rounding.h"
#include "skiren/hot_spot.h"

using namespace skiren;
using G = EditorGeometry;

namespace {
int Column(int offsetIntoBox, int iconSize) {
    return HotSpotCoordinate(G::kBoxLeft + offsetIntoBox, G::kBoxLeft, G::kBoxExtent, G::kLineThickness, iconSize);
}
}  // namespace

TEST(HotSpot, LinearScaleWithTiesToEven) {
    EXPECT_EQ(Column(0, 32), 0);
    EXPECT_EQ(Column(1260, 16), 7);
    EXPECT_EQ(Column(1125, 7), 2) << "r = 2.5";
    EXPECT_EQ(Column(1575, 7), 4) << "r = 3.5";
    EXPECT_EQ(Column(2025, 7), 4) << "r = 4.5";
}

TEST(HotSpot, FarBoundReachesTheLastPixelForEverySize) {
    const int farBound = ClampLinePosition(100000, G::kBoxLeft, G::kBoxExtent);
    EXPECT_EQ(farBound, G::kBoxLeft + G::kBoxExtent - 70);
    for (int size = 1; size <= 256; ++size) EXPECT_EQ(Column(farBound - G::kBoxLeft, size), size - 1) << size;
    EXPECT_EQ(ClampLinePosition(-5, G::kBoxLeft, G::kBoxExtent), G::kBoxLeft);
}

TEST(HotSpot, CaptionsAndSizeBytes) {
    EXPECT_EQ(ValueCaption(32), " 32");
    EXPECT_EQ(ValueCaption(0), " 0");
    EXPECT_EQ(ValueCaption(-1), "-1");
    EXPECT_EQ(IconSizeFromByte(0), 256);
    EXPECT_EQ(IconSizeFromByte(48), 48);
}

TEST(RoundHalfToEven, TiesGoToTheEvenNeighbourOnBothSidesOfZero) {
    const std::pair<double, int> cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
                                            {2.4999, 2}, {2.5001, 3}, {-2.5001, -3}, {14.47, 14}};
    for (const auto& [value, rounded] : cases) EXPECT_EQ(desktop::RoundHalfToEven(value), rounded) << value;
}

TEST(HotSpot, KeysStepThroughOnePlacePerValueOnWholePixels) {
    const auto step = [](int position, int size, int direction) {
        return LinePositionForStep(position, G::kBoxLeft, G::kBoxExtent, G::kLineThickness, size, direction);
    };
    for (int size : {2, 16, 48, 128, 181, 255, 256}) {
        std::vector<int> places{G::kBoxLeft};
        for (int next = step(G::kBoxLeft, size, 1); next != places.back(); next = step(next, size, 1)) {
            ASSERT_GT(next, places.back()) << size;
            ASSERT_EQ((next - G::kBoxLeft) % G::kTwipsPerPixel, 0) << "a place a drag can give, " << size;
            ASSERT_GT(Column(next - G::kBoxLeft, size), Column(places.back() - G::kBoxLeft, size)) << size;
            places.push_back(next);
        }
        EXPECT_EQ(Column(places.back() - G::kBoxLeft, size), size - 1) << "the last column is reached, " << size;
        // The box has 181 screen pixels for the line: up to that size every column has its place.
        if (size <= 181) EXPECT_EQ(places.size(), static_cast<size_t>(size));
        else EXPECT_GT(places.size(), 170u);
        // Back down through the very same places: a value has one place whichever way it is reached.
        for (size_t i = places.size() - 1; i > 0; --i) ASSERT_EQ(step(places[i], size, -1), places[i - 1]) << size;
        EXPECT_EQ(step(G::kBoxLeft, size, -1), G::kBoxLeft);
    }
    // From a dragged place inside a column's range the key goes to the next column's place.
    EXPECT_EQ(Column(step(G::kBoxLeft + 35 * 15, 48, 1) - G::kBoxLeft, 48), Column(35 * 15, 48) + 1);
    EXPECT_EQ(step(G::kBoxLeft + 7, 1, 1), G::kBoxLeft + 7) << "an axis of one pixel does not move";
}
