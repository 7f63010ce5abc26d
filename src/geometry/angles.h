// Pi and its parts, each written to the places that the results computed with
// it were settled with: one angle is not always the same number, and a stored
// coordinate or a snapped point would move if one became another.
#pragma once

constexpr double kPiRounded = 3.141593;            // pi to six places
constexpr double kPiCut = 3.141592;                // pi cut after six places
constexpr double kTwoPiRounded = 6.283186;         // twice kPiRounded
constexpr double kHalfPiRounded = 1.570796;        // pi / 2 to six places
constexpr double kHalfOfPiRounded = 1.5707965;     // kPiRounded / 2
constexpr double kQuarterOfPiRounded = 0.78539825;  // kPiRounded / 4
constexpr double kHalfPiShort = 1.5708;            // pi / 2 to four places
constexpr double kQuarterPiShort = 0.7854;         // pi / 4 to four places
constexpr double kSixthPiShort = 0.5236;           // pi / 6, 30 degrees, to four places
constexpr double kQuarterPiLong = 0.7853981635;    // pi / 4, ten places and the last one up

constexpr double kDegreesPerHalfTurn = 180.0;
