#include "skiren/hot_spot.h"

#include <algorithm>

#include "desktop/rounding.h"

namespace skiren {

int HotSpotCoordinate(int linePosition, int boxPosition, int boxExtent, int lineThickness, int iconSize) {
    const double r = static_cast<double>(linePosition - boxPosition) * (iconSize - 1) / (boxExtent - lineThickness);
    return desktop::RoundHalfToEven(r);
}

int ClampLinePosition(int position, int boxPosition, int boxExtent) {
    return std::clamp(position, boxPosition, boxPosition + boxExtent - EditorGeometry::kFarEdgeAllowance);
}

std::string ValueCaption(int value) { return (value < 0 ? "-" : " ") + std::to_string(value < 0 ? -value : value); }

int IconSizeFromByte(int directoryByte) { return directoryByte == 0 ? 256 : directoryByte; }

}  // namespace skiren
