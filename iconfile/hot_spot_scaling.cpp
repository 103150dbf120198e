#include "iconfile/hot_spot_scaling.h"

#include <algorithm>
#include <cstdint>

namespace iconfile {

int ScaledHotSpot(int coordinate, int fromSize, int toSize) {
    if (fromSize <= 0 || toSize <= 0) return 0;
    const std::int64_t numerator = std::int64_t{coordinate} * toSize;
    std::int64_t quotient = numerator / fromSize;
    const std::int64_t twiceRemainder = 2 * (numerator % fromSize);
    if (twiceRemainder > fromSize || (twiceRemainder == fromSize && quotient % 2 == 1)) ++quotient;
    return static_cast<int>(std::clamp<std::int64_t>(quotient, 0, toSize - 1));
}

}  // namespace iconfile
