#pragma once
// Where the sponsors page's pictures sit in the small and the large layout.
#include <QPoint>
#include <array>

#include "shell/layout.h"
#include "shell/page_frame_places.h"

inline constexpr QPoint kSponsorsReturnSmall = kPageReturnSmall;
inline constexpr QPoint kSponsorsExitSmall = kPageExitSmall;

inline constexpr std::array<ControlPlace, 5> kSponsorsPlaces{{
    {"BLPImage", {234, 284, 146, 81}, {292, 355, 184, 103}},
    {"RACImage", {84, 284, 147, 81}, {104, 355, 185, 103}},
    {"PiperImage", {382, 284, 148, 81}, {478, 355, 185, 103}},
    {"VideoImage", {96, 207, 67, 45}, {120, 259, 83, 57}},
    {"MVImage", {458, 200, 60, 60}, {573, 251, 75, 75}},
}};
