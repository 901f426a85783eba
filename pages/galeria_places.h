#pragma once
// Where the gallery's own controls sit in the small and the large layout.
#include <QPoint>
#include <array>

#include "shell/layout.h"
#include "shell/page_frame_places.h"

inline constexpr QPoint kGaleriaReturnSmall = kPageReturnSmall;
inline constexpr QPoint kGaleriaExitSmall = kPageExitSmall;

inline constexpr std::array<ControlPlace, 6> kGaleriaPlaces{{
    {"PrevPanel", {33, 29, 133, 98}, {40, 35, 167, 125}},
    {"TitlePanel", {238, 174, 254, 52}, {297, 218, 319, 65}},
    {"InfoPanel", {236, 241, 256, 121}, {295, 302, 321, 152}},
    {"SelBtn", {48, 232, 144, 41}, {65, 258}},
    {"PrevBtn", {72, 176, 72, 39}, {100, 210}},
    {"NextBtn", {144, 176, 72, 39}, {172, 210}},
}};
