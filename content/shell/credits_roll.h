#pragma once
// The credits roll of the credits page: black text on white, 306 x 780 pixels of 8 bits each
// (a grey palette), laid out so that its end runs on into its top when it scrolls round.
#include <QImage>

namespace content {

inline constexpr int kCreditsRollWidth = 306;
inline constexpr int kCreditsRollHeight = 780;

// Null (and the reason on stderr) when the credits do not fit the roll.
QImage drawCreditsRoll();

}  // namespace content
