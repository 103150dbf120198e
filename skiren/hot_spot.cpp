#include "skiren/hot_spot.h"

#include <algorithm>
#include <cmath>

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

std::optional<int> LinePlaceForValue(int value, int boxPosition, int boxExtent, int lineThickness, int iconSize) {
    if (value < 0 || value > iconSize - 1) return std::nullopt;
    if (iconSize == 1) return boxPosition;
    const double exact = boxPosition + static_cast<double>(value) * (boxExtent - lineThickness) / (iconSize - 1);
    const int farEnd = ClampLinePosition(boxPosition + boxExtent, boxPosition, boxExtent);
    std::optional<int> nearest;
    for (int place = boxPosition; place <= farEnd; place += EditorGeometry::kTwipsPerPixel) {
        if (HotSpotCoordinate(place, boxPosition, boxExtent, lineThickness, iconSize) != value) continue;
        if (!nearest || std::abs(place - exact) < std::abs(*nearest - exact)) nearest = place;
    }
    return nearest;
}

int LinePositionForStep(int position, int boxPosition, int boxExtent, int lineThickness, int iconSize, int step) {
    if (iconSize <= 1) return position;
    for (int target = HotSpotCoordinate(position, boxPosition, boxExtent, lineThickness, iconSize) + step;
         target >= 0 && target < iconSize; target += step) {
        if (const std::optional<int> place = LinePlaceForValue(target, boxPosition, boxExtent, lineThickness, iconSize))
            return *place;
    }
    return position;
}

std::string ValueCaption(int value) { return (value < 0 ? "-" : " ") + std::to_string(value < 0 ? -value : value); }

int IconSizeFromByte(int directoryByte) { return iconfile::SizeFromDirectoryByte(directoryByte); }

}  // namespace skiren
