#pragma once
// Where the flight school's own controls and its Return and Exit sit in both layouts.
#include <QPoint>
#include <array>

#include "shell/layout.h"
#include "shell/page_frame_places.h"

inline constexpr QPoint kSyllabusReturnSmall = kPageReturnSmall;
inline constexpr QPoint kSyllabusExitSmall = kPageExitSmall;

inline constexpr std::array<ControlPlace, 4> kSyllabusPlaces{{
    {"LessonPanel", {185, 186, 228, 177}, {230, 232, 286, 223}},
    {"InstallBtn", {72, 168, 100, 50}, {115, 210}},
    {"StartFSBtn", {424, 328, 100, 50}, {530, 440}},
    {"CodeEdit", {48, 280, 65, 25}, {54, 354, 93, Same}},
}};
