// The kinds of point marker that DrawMarker draws (charts/draw_marker.h), named for
// what they look like. The numbers are the kinds' own; any other number draws nothing.
#pragma once

namespace orv {

enum class Marker : int {
  kNone = 0,
  kCrossedYellowSquare = 1,   // yellow square with both diagonals
  kCrossedLimeBox = 2,        // lime box with an upright cross, one pixel wider than high
  kBarredAquaSquare = 3,      // aqua square with a horizontal line
  kYellowInSilverSquare = 4,  // silver square around a yellow one
  kStar = 5,                  // eight rays, no fill
  kRedSquare = 6,
  kLimeSquare = 7,
  kBlackTriangleUp = 8,
  kBlackTriangleDown = 9,
  kRedUprightBar = 10,
  kSilverLyingBar = 11,
  kYellowTriangleUp = 12,
  kAquaTriangleDown = 13,
  kBlackCircle = 14,   // 8 pixels across whatever the size
  kLetterSmallL = 15,  // "l" in an aqua box
  kAquaCircle = 16,
  kPaleAquaCircleLyingBar = 17,    // with a horizontal line
  kPaleCyanCircleUprightBar = 18,  // with a vertical line
  kLetterD = 21,                   // "D" in an aqua box
  kLetterL = 22,                   // "L" in an aqua box
  kDigit1 = 31,                    // "1" in a yellow box
  kDigit2 = 32,
  kDigit3 = 33,
  kDigit4 = 34,
};

}  // namespace orv
