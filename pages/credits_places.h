#pragma once
// Where the credits page's scroll box sits in the small and the large layout.
#include <QPoint>
#include <array>

#include "shell/layout.h"
#include "shell/page_frame_places.h"

inline constexpr QPoint kCreditsReturnSmall = kPageReturnSmall;
inline constexpr QPoint kCreditsExitSmall = kPageExitSmall;

inline constexpr std::array<ControlPlace, 1> kCreditsPlaces{{
    {"CreditsPanel", {137, 196, 333, 182}, {170, 246, 419, 227}},
}};
