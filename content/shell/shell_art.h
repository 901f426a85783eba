#pragma once
// The shell's pictures, drawn with QPainter so that every build makes the same files.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

namespace content {

// A place on the main menu picture that the menu makes clickable; drawn as a signboard so that
// a person sees where to click.
struct Signboard {
  QRect bounds;
  QString label;
  QColor colour;
};

QImage drawMainMenu(QSize size, const std::vector<Signboard>& signs,
                    const std::vector<QRect>& buttonPlaces);
QImage drawLogo(QSize size);
QImage drawMessageBackground(QSize size);

// One page picture: a landscape in the page's colours with its title and a small motif.
using MotifPainter = void (*)(class QPainter& painter, QRect area);
struct PageTheme {
  const char* form;
  const char* title;
  QColor skyTop;
  QColor skyBottom;
  MotifPainter motif;
};
QImage drawPage(QSize size, const PageTheme& theme);

void paintChecklist(QPainter& painter, QRect area);
void paintCertificate(QPainter& painter, QRect area);
void paintAircraft(QPainter& painter, QRect area);
void paintMesas(QPainter& painter, QRect area);
void paintPhotoFrames(QPainter& painter, QRect area);
void paintStars(QPainter& painter, QRect area);
void paintBanner(QPainter& painter, QRect area);
void paintQuestionMark(QPainter& painter, QRect area);

}  // namespace content
