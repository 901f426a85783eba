#pragma once
// Where the credits page's scroll box sits in the small and the large layout.
#include <array>

#include "shell/layout.h"

inline constexpr std::array<ControlPlace, 1> kCreditsPlaces{{
    {"CreditsPanel", {137, 196, 333, 182}, {170, 246, 419, 227}},
}};
