#include "skiren/hot_spot.h"

#include <algorithm>

#include "desktop/rounding.h"
#include "iconfile/icon_records.h"

namespace skiren {

int HotSpotCoordinate(int linePosition, int boxPosition, int boxExtent, int lineThickness, int iconSize) {
    const double r = static_cast<double>(linePosition - boxPosition) * (iconSize - 1) / (boxExtent - lineThickness);
    return desktop::RoundHalfToEven(r);
}

int ClampLinePosition(int position, int boxPosition, int boxExtent) {
    return std::clamp(position, boxPosition, boxPosition + boxExtent - EditorGeometry::kFarEdgeAllowance);
}

int LinePositionForStep(int position, int boxPosition, int boxExtent, int lineThickness, int iconSize, int step) {
    if (iconSize <= 1) return position;
    const int target = HotSpotCoordinate(position, boxPosition, boxExtent, lineThickness, iconSize) + step;
    const int farEnd = ClampLinePosition(boxPosition + boxExtent, boxPosition, boxExtent);
    // The coordinate grows with the position, so the first position that names the target is the smallest.
    for (int candidate = boxPosition; candidate <= farEnd; ++candidate)
        if (HotSpotCoordinate(candidate, boxPosition, boxExtent, lineThickness, iconSize) == target) return candidate;
    return position;
}

std::string ValueCaption(int value) { return (value < 0 ? "-" : " ") + std::to_string(value < 0 ? -value : value); }

int IconSizeFromByte(int directoryByte) { return iconfile::SizeFromDirectoryByte(directoryByte); }

}  // namespace skiren
