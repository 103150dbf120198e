#include <gtest/gtest.h>

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

TEST(HotSpot, StepsReachEveryCoordinateAtItsSmallestPosition) {
    for (int size : {2, 48, 255, 256}) {
        int position = G::kBoxLeft;
        for (int expected = 1; expected < size; ++expected) {
            const int next = LinePositionForStep(position, G::kBoxLeft, G::kBoxExtent, G::kLineThickness, size, 1);
            ASSERT_EQ(Column(next - G::kBoxLeft, size), expected) << size;
            ASSERT_NE(Column(next - 1 - G::kBoxLeft, size), expected) << "the smallest such position, " << size;
            position = next;
        }
        EXPECT_EQ(LinePositionForStep(position, G::kBoxLeft, G::kBoxExtent, G::kLineThickness, size, 1), position)
            << "the last column stays";
        const int back = LinePositionForStep(position, G::kBoxLeft, G::kBoxExtent, G::kLineThickness, size, -1);
        EXPECT_EQ(Column(back - G::kBoxLeft, size), size - 2);
    }
    EXPECT_EQ(LinePositionForStep(G::kBoxLeft, G::kBoxLeft, G::kBoxExtent, G::kLineThickness, 32, -1), G::kBoxLeft);
    EXPECT_EQ(LinePositionForStep(G::kBoxLeft + 7, G::kBoxLeft, G::kBoxExtent, G::kLineThickness, 1, 1), G::kBoxLeft + 7)
        << "an axis of one pixel does not move";
}
