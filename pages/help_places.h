#pragma once
// Where the installation help page's text and path field sit in the small and the large layout.
#include <QPoint>
#include <array>

#include "shell/layout.h"
#include "shell/page_frame_places.h"

inline constexpr QPoint kHelpReturnSmall = kPageReturnSmall;
inline constexpr QPoint kHelpExitSmall = kPageExitSmall;

inline constexpr std::array<ControlPlace, 2> kHelpPlaces{{
    {"InfoPanel", {140, 93, 346, 216}, {175, 115, 433, 272}},
    {"PathPanel", {245, 336, 243, 38}, {308, 420, 302, 47}},
}};
