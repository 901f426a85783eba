#pragma once
// Where the certificate page's own controls sit in both layouts. The large layout narrows
// Return and Exit to 113 x 41; they get bitmaps drawn at that size.
#include <QPoint>
#include <QSize>
#include <array>

#include "shell/layout.h"

inline constexpr QPoint kCertificationReturnSmall(8, 360);
inline constexpr QPoint kCertificationExitSmall(8, 405);
inline constexpr QSize kCertificationButtonSize(113, 41);

inline constexpr std::array<ControlPlace, 4> kCertificationPlaces{{
    {"InfoPanel", {64, 124, 474, 205}, {79, 156, 595, 256}},
    {"PasswordPanel", {321, 338, 216, 35}, {401, 426, 271, 40}},
    {"ExitBtn",
     {kCertificationExitSmall.x(), kCertificationExitSmall.y(), 136, 39},
     {8, 512, kCertificationButtonSize.width(), kCertificationButtonSize.height()}},
    {"ReturnBtn",
     {kCertificationReturnSmall.x(), kCertificationReturnSmall.y(), 144, 41},
     {8, 464, kCertificationButtonSize.width(), kCertificationButtonSize.height()}},
}};
