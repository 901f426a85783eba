#pragma once
// Where the page frame's own controls sit: the panel, the maker logo, Return and Exit. Header
// only, so that the picture generator draws each page's picture around the same places.
#include <QPoint>
#include <QSize>
#include <array>

#include "shell/layout.h"

// The panel's bevel width; the page picture fills the panel inside both its rings, the raised
// outer and the lowered inner one.
inline constexpr int kPageBevel = 2;
inline constexpr int kPagePictureInset = 2 * kPageBevel;

inline constexpr Place kFramePanelSmall{0, 0, 600, 450};
inline constexpr Place kFramePanelLarge{0, 0, 750, 563};
inline constexpr Place kFrameLogoSmall{402, 406, 193, 39};
inline constexpr Place kFrameLogoLarge{504, 512, 242, 47};
inline constexpr QSize kFrameReturnSize(144, 41);
inline constexpr QSize kFrameExitSize(136, 39);

// Where most pages put Return and Exit; a page with its own places names them in its table.
inline constexpr QPoint kPageReturnSmall(2, 365);
inline constexpr QPoint kPageExitSmall(5, 406);
inline constexpr QPoint kPageReturnLarge(8, 464);
inline constexpr QPoint kPageExitLarge(8, 512);

// The frame's places for one page, whose Return and Exit sit at its own small places.
constexpr std::array<ControlPlace, 4> FramePlaces(QPoint returnSmall, QPoint exitSmall,
                                                  QPoint returnLarge) {
  return {{
      {"Panel1", kFramePanelSmall, kFramePanelLarge},
      {"NVImage", kFrameLogoSmall, kFrameLogoLarge},
      {"ReturnBtn",
       {returnSmall.x(), returnSmall.y(), kFrameReturnSize.width(), kFrameReturnSize.height()},
       {returnLarge.x(), returnLarge.y()}},
      {"ExitBtn",
       {exitSmall.x(), exitSmall.y(), kFrameExitSize.width(), kFrameExitSize.height()},
       {kPageExitLarge.x(), kPageExitLarge.y()}},
  }};
}
