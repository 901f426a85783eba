#pragma once
// Where the main menu's controls sit in the small and the large layout, and the hover labels'
// captions, which the menu picture leaves a dark rail for.
#include <array>

#include "shell/layout.h"

// The FAQ button's large left edge is not in the table: it sits flush with the right edge of
// the picture, whatever the picture's width.
inline constexpr std::array<ControlPlace, 22> kMainPlaces{{
    {"Panel1", {0, 0, 600, 450}, {Same, Same, 750, 563}},
    {"NVImage", {402, 406, 193, 39}, {504, 512, 242, 47}},
    {"FlugschuleLabel", {240, 168}, {360, 208}},
    {"FlugzeugeLabel", {216, 224}, {320, 288}},
    {"SceneryLabel", {184, 288}, {272, 360}},
    {"GaleriaLabel", {160, 352}, {232, 440}},
    {"Credits1", {176, 72, 313, 57}, {216, 88, 393, 73}},
    {"AOPA", {336, 136, 257, 50}, {456, 168, 281, 81}},
    {"Credits2", {384, 192, 209, 65}, {536, 256, 209, 81}},
    {"SkyHarbor", {344, 264, 249, 97}, {424, 344, 313, 137}},
    {"Credits3", {192, 368, 209, 73}, {205, 488, 268, 65}},
    {"IC1", {176, 72, 313, 57}, {216, 88, 393, 73}},
    {"IAOPA", {336, 136, 257, 49}, {456, 168, 281, 81}},
    {"IC2", {384, 192, 209, 65}, {536, 256, 209, 81}},
    {"ISKY", {344, 264, 249, 97}, {424, 344, 313, 137}},
    {"IC3", {192, 368, 209, 73}, {205, 488, 268, 65}},
    {"FlugSchuleBtn", {56, 168, 144, 41}, {92, 208}},
    {"FlugzeugeBtn", {40, 217, 144, 41}, {64, 272}},
    {"SceneryBtn", {24, 280, 144, 41}, {40, 352}},
    {"GalerieBtn", {8, 344, 144, 41}, {16, 432}},
    {"FAQBtn", {512, 8, 80, 80}, {}},
    {"ExitBtn", {45, 406, 136, 39}, {64, 512}},
}};

// The label that shows while the pointer is over a menu button (Arial 16 px bold, silver).
struct MenuLabel {
  const char* name;
  const char* caption;
};

inline constexpr std::array<MenuLabel, 4> kMenuLabels{{
    {"FlugschuleLabel", "Hier geht's zur Flugschule..."},
    {"FlugzeugeLabel", "Flugzeuge Installation / Information..."},
    {"SceneryLabel", "Szenerie Installation / Information..."},
    {"GaleriaLabel", "Zur Galerie..."},
}};
inline constexpr int kMenuLabelPixelSize = 16;
