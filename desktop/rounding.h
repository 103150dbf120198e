#pragma once
// Plain arithmetic shared by the programs' windows, free of the toolkit.

namespace desktop {

// Rounds to a whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -0.5 -> 0),
// whatever rounding mode the floating-point unit is in.
int RoundHalfToEven(double value);

}  // namespace desktop
