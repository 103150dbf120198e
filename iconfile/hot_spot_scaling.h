#pragma once
// A cursor's hot spot carried from one size of its picture to another.

namespace iconfile {

// `coordinate` of a picture `fromSize` pixels wide (or high) at `toSize`: coordinate * toSize /
// fromSize rounded to nearest with ties to the even neighbour, and kept inside the new picture.
// So 4 at 32 is 6 at 48 and 8 at 64; 3 at 32 is 4 at 48 (4.5 rounds to 4).
int ScaledHotSpot(int coordinate, int fromSize, int toSize);

}  // namespace iconfile
