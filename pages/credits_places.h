#pragma once
// Where the credits page's scroll box sits in the small and the large layout, and the size of
// the hidden control that holds the credits roll (its height is where the roll's second copy
// starts).
#include <array>

#include "shell/layout.h"

inline constexpr std::array<ControlPlace, 2> kCreditsPlaces{{
    {"SourceImage", {Same, Same, 306, 780}, {}},
    {"CreditsPanel", {137, 196, 333, 182}, {170, 246, 419, 227}},
}};
