// The double-click speed of the main page: eleven slider positions from slow (900 ms) to
// fast (200 ms) in steps of 70 ms, and back from a time in milliseconds.
#pragma once

namespace orvix {

inline constexpr int kDoubleClickPositions = 11;
// What a position outside 1..11 stands for (the Windows time of a fresh profile).
inline constexpr int kDoubleClickFallbackMs = 480;

// Position 1..11 to milliseconds; any other position gives 480.
int DoubleClickMsOfPosition(int position);
// Milliseconds to the position whose time is the largest one not above `ms`: 900 or more
// is 1, 830 or more 2 … anything below 270 is 11.
int DoubleClickPositionOfMs(int ms);

}  // namespace orvix
