#pragma once
// The shell's pictures, drawn with QPainter so that every build makes the same files.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

#include "control_places.h"

namespace content {

// A place on the main menu picture that the menu makes clickable; drawn as a signboard so that
// a person sees where to click. `place` names the frame that outlines it on hover.
struct Signboard {
  const char* place;
  QString label;
  QColor colour;
};

// The menu picture for one layout, sized like the panel: shadows under the buttons, a signboard
// on each hot region and a dark rail under each hover label, at their places in that layout.
QImage drawMainMenu(QSize size, const std::vector<Signboard>& signs, const PlacedControls& placed);
QImage drawLogo(QSize size);
QImage drawMessageBackground(QSize size);

// One page picture for one layout: a landscape in the page's colours, shadows under the
// buttons and recessed beds under the other controls at their places, and the title and a small
// motif where no control covers them.
using MotifPainter = void (*)(class QPainter& painter, QRect area);
struct PageTheme {
  const char* form;
  const char* title;
  QColor skyTop;
  QColor skyBottom;
  MotifPainter motif;
};
QImage drawPage(QSize size, const PageTheme& theme, const PlacedControls& placed);

void paintChecklist(QPainter& painter, QRect area);
void paintCertificate(QPainter& painter, QRect area);
void paintAircraft(QPainter& painter, QRect area);
void paintMesas(QPainter& painter, QRect area);
void paintPhotoFrames(QPainter& painter, QRect area);
void paintStars(QPainter& painter, QRect area);
void paintBanner(QPainter& painter, QRect area);
void paintQuestionMark(QPainter& painter, QRect area);

}  // namespace content
