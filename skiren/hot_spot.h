#pragma once
// The editor's arithmetic: where the lines may go and which pixel they name. All in twips.
#include <optional>
#include <string>

namespace skiren {

struct EditorGeometry {
    static constexpr int kBoxLeft = 240;
    static constexpr int kBoxTop = 960;
    static constexpr int kBoxExtent = 2775;
    static constexpr int kLineThickness = 75;
    // The line may pass the box's far edge by 5 twips, so the last pixel can be reached.
    static constexpr int kFarEdgeAllowance = 70;
    // The mouse moves a line by whole screen pixels of this many twips.
    static constexpr int kTwipsPerPixel = 15;
};

// The hot-spot coordinate on one axis, rounded to nearest with ties to the even neighbour.
int HotSpotCoordinate(int linePosition, int boxPosition, int boxExtent, int lineThickness, int iconSize);

// Keeps a dragged line's edge between the box's near edge and its far edge less 70 twips.
int ClampLinePosition(int position, int boxPosition, int boxExtent);

// Where a line shows `value` on one axis: the position, on the whole screen pixels a drag gives
// and within the clamp, that names the value and lies nearest to where the coordinate is exactly
// the value; none when no such position names it (an axis of more icon pixels than the box has
// screen pixels).
std::optional<int> LinePlaceForValue(int value, int boxPosition, int boxExtent, int lineThickness, int iconSize);

// Where a key moves a line on one axis: to the place of the next coordinate on (`step` 1) or back
// (`step` -1) that has one, so the line moves whenever the value does. At either end it stays. An
// axis of one pixel (or none) never moves.
int LinePositionForStep(int position, int boxPosition, int boxExtent, int lineThickness, int iconSize, int step);

// A value caption: one leading blank for zero and positive numbers, a minus sign otherwise.
std::string ValueCaption(int value);

// The size an icon directory byte stands for: 0 is the format's way of writing 256.
int IconSizeFromByte(int directoryByte);

}  // namespace skiren
