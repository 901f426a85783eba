#pragma once
// Where the aircraft and scenery pages' own controls sit in the small and the large layout. The
// two pages share one arrangement: the scenery page has no Previous and Next buttons, and its
// panels take the places of the aircraft page's.
#include <QPoint>
#include <array>

#include "shell/layout.h"
#include "shell/page_frame_places.h"

// Return sits higher than on the other pages, below the install button; in the small layout
// each page has its own place for it.
inline constexpr QPoint kPlanesReturnSmall(10, 341);
inline constexpr QPoint kPlanesReturnLarge(8, 430);
inline constexpr QPoint kPlanesExitSmall = kPageExitSmall;
inline constexpr QPoint kSceneryReturnSmall(10, 349);
inline constexpr QPoint kSceneryReturnLarge = kPlanesReturnLarge;
inline constexpr QPoint kSceneryExitSmall = kPageExitSmall;

inline constexpr std::array<ControlPlace, 8> kPlanesPlaces{{
    {"PrevCockpitPanel", {33, 29, 133, 98}, {41, 36, 166, 123}},
    {"PrevPlanePanel", {435, 32, 134, 100}, {544, 40, 167, 125}},
    {"TitlePanel", {238, 174, 254, 52}, {297, 218, 319, 65}},
    {"PlaneInfoPanel", {236, 241, 256, 121}, {295, 302, 321, 152}},
    {"PrevBtn", {72, 176, 72, 39}, {100, 210}},
    {"NextBtn", {144, 176, 72, 39}, {172, 210}},
    {"HelpBtn", {64, 222, 100, 50}, {80, 270}},
    {"InstallBtn", {38, 283, 100, 50}, {48, 336}},
}};

inline constexpr std::array<ControlPlace, 6> kSceneryPlaces{{
    {"PrevSceneryPanel1", {33, 29, 133, 98}, {41, 36, 166, 123}},
    {"PrevSceneryPanel2", {435, 32, 134, 100}, {544, 40, 167, 125}},
    {"SceneryPanel", {238, 174, 254, 52}, {297, 218, 319, 65}},
    {"SceneryInfoPanel", {236, 241, 256, 121}, {295, 302, 321, 152}},
    {"HelpBtn", {64, 222, 100, 50}, {80, 270}},
    {"InstallBtn", {38, 283, 100, 50}, {48, 336}},
}};
