#pragma once
// The three pictures of a round shaded button: the face up ("ImageOut"), the face pressed
// ("ImageIn") and the button's outline ("ImageMask", black inside, white outside). The face is lit
// as a hemisphere from the upper left, the bevel rings as sloped rings in the same light.
#include <QFont>
#include <QImage>
#include <QString>

#include "controls/tborder_style.h"
#include "controls/tcolor.h"

enum THemisphereBevel { hbNone, hbLowered, hbRaised };

namespace controls {

struct HemisphereLook {
  QSize size{25, 25};
  double attenControl = 1.0;
  THemisphereBevel bevelInner = hbNone;
  THemisphereBevel bevelOuter = hbLowered;
  int bevelWidth = 2;
  TColor borderColor = clGray;
  TBorderStyle borderStyle = TBorderStyle::bsNone;
  QString caption;
  QFont font;
  TColor fontColor = clBlack;
  TColor faceColor = clGray;
  bool faceShaded = true;
  bool faceTransparent = false;
  QImage glyph;  // already cut to the chosen glyph
  bool glyphMapped = false;
  bool glyphShaded = true;
  bool glyphTransparent = true;
};

struct HemispherePictures {
  QImage imageOut;
  QImage imageIn;
  QImage imageMask;  // Format_Mono, index 1 (black) where the button is drawn
};

// 1/sqrt(3): the light comes from (-1, -1, 1), normalised.
inline constexpr double kLightScale = 0.5773502692;

// The width of the bevel rings together, i.e. how far the face is inset from the outline.
int FaceInset(THemisphereBevel inner, THemisphereBevel outer, int bevelWidth);

// The light factor of a face pixel whose offsets from the centre, divided by the half width and
// half height of the control, are nx and ny (ny grows downwards).
double FaceLight(double nx, double ny, double attenControl);

// One colour channel lit by `light` (use -light for the pressed face).
int ShadeChannel(int channel, double light);

// The grey level of a bevel ring pixel whose outward in-plane normal is (ux, uy).
int BevelLevel(THemisphereBevel bevel, double ux, double uy);

// Where the caption's top-left corner goes on a control of `size`.
QPoint CaptionOrigin(QSize size, QSize text);

// Rounds halves to the even neighbour, as the platform's Round does.
int RoundHalfEven(double value);

// The chosen glyph (1-based) of a strip of `count` glyphs side by side.
QImage GlyphCell(const QImage& strip, int count, int index);

// Black (index 1) inside the ellipse that fills a control of `size`, white outside.
QImage EllipseMask(QSize size);

HemispherePictures RenderHemisphere(const HemisphereLook& look);

}  // namespace controls
