#pragma once
// The editor's arithmetic: where the lines may go and which pixel they name. All in twips.
#include <string>

namespace skiren {

struct EditorGeometry {
    static constexpr int kBoxLeft = 240;
    static constexpr int kBoxTop = 960;
    static constexpr int kBoxExtent = 2775;
    static constexpr int kLineThickness = 75;
    // The line may pass the box's far edge by 5 twips, so the last pixel can be reached.
    static constexpr int kFarEdgeAllowance = 70;
};

// The hot-spot coordinate on one axis, rounded to nearest with ties to the even neighbour.
int HotSpotCoordinate(int linePosition, int boxPosition, int boxExtent, int lineThickness, int iconSize);

// Keeps a dragged line's edge between the box's near edge and its far edge less 70 twips.
int ClampLinePosition(int position, int boxPosition, int boxExtent);

// Where a key moves a line on one axis: one coordinate on (`step` 1) or back (`step` -1) to
// the smallest twip position within the clamp that names it, so every pixel of a large icon can
// be reached though the mouse moves by whole screen pixels. At either end it stays. An axis of
// one pixel (or none) never moves.
int LinePositionForStep(int position, int boxPosition, int boxExtent, int lineThickness, int iconSize, int step);

// A value caption: one leading blank for zero and positive numbers, a minus sign otherwise.
std::string ValueCaption(int value);

// The size an icon directory byte stands for: 0 is the format's way of writing 256.
int IconSizeFromByte(int directoryByte);

}  // namespace skiren
