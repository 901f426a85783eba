#pragma once
// Where the credits page's scroll box sits in the small and the large layout, and the size of
// the hidden control that holds the credits roll (its height is where the roll's second copy
// starts; being never shown, it has no place on the page picture).
#include <QPoint>
#include <QSize>
#include <array>

#include "shell/layout.h"
#include "shell/page_frame_places.h"

inline constexpr QPoint kCreditsReturnSmall = kPageReturnSmall;
inline constexpr QPoint kCreditsExitSmall = kPageExitSmall;

inline constexpr QSize kCreditsSourceSize(306, 780);

inline constexpr std::array<ControlPlace, 1> kCreditsPlaces{{
    {"CreditsPanel", {137, 196, 333, 182}, {170, 246, 419, 227}},
}};
