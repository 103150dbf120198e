#pragma once
// Where the enlarged picture lies and where each of its cells is read or marked. All in twips of
// the window's client area.
#include <cmath>

namespace pelcor {

struct PictureBoxGeometry {
    static constexpr int kLeft = 840;
    static constexpr int kTop = 840;
    static constexpr int kSide = 3864;  // 257.6 screen pixels; the picture fills it exactly
};

// The centre of cell `index` on one axis, where the marks are tested and drawn.
constexpr double MarkPoint(int index, int pictureSize, int start, int extent) {
    return start + static_cast<double>(extent) * index / pictureSize + extent / (2.0 * pictureSize);
}

// The cell under a point `offset` twips from the box's edge, kept inside the picture.
inline int CellUnder(double offset, int extent, int pictureSize) {
    const int cell = static_cast<int>(std::floor(pictureSize * offset / extent));
    return cell < 0 ? 0 : (cell >= pictureSize ? pictureSize - 1 : cell);
}

}  // namespace pelcor
