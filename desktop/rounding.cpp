#include "desktop/rounding.h"

#include <cmath>

namespace desktop {

int RoundHalfToEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    long long result = static_cast<long long>(lower);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
    return static_cast<int>(result);
}

}  // namespace desktop
