#include "controls/hemisphere_render.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace controls {

namespace {

struct Ring {
  int inset;
  THemisphereBevel bevel;
};

bool InsideEllipse(double px, double py, double rx, double ry) {
  if (rx <= 0 || ry <= 0) return false;
  return (px / rx) * (px / rx) + (py / ry) * (py / ry) <= 1.0;
}

QRgb Shade(QRgb colour, double light) {
  return qRgb(ShadeChannel(qRed(colour), light), ShadeChannel(qGreen(colour), light),
              ShadeChannel(qBlue(colour), light));
}

QRgb Grey(int level) {
  return qRgb(level, level, level);
}

// Which glyph pixel, if any, covers the face at (x, y); offsets p from the centre.
class GlyphSampler {
 public:
  GlyphSampler(const HemisphereLook& look, int faceInset)
      : look_(look),
        glyph_(look.glyph.convertToFormat(QImage::Format_RGB32)),
        origin_((look.size.width() - glyph_.width()) / 2,
                (look.size.height() - glyph_.height()) / 2),
        faceRadiusX_(look.size.width() / 2.0 - faceInset),
        faceRadiusY_(look.size.height() / 2.0 - faceInset),
        seeThrough_(glyph_.isNull() ? 0 : glyph_.pixel(0, glyph_.height() - 1)) {}

  bool sample(int x, int y, double px, double py, QRgb* colour) const {
    if (glyph_.isNull()) return false;
    const QPoint at = look_.glyphMapped ? mapped(px, py) : QPoint(x, y) - origin_;
    if (!glyph_.valid(at)) return false;
    const QRgb pixel = glyph_.pixel(at);
    if (look_.glyphTransparent && pixel == seeThrough_) return false;
    *colour = pixel;
    return true;
  }

 private:
  // The glyph wrapped over the hemisphere: the angles of the face normal pick the glyph pixel.
  QPoint mapped(double px, double py) const {
    const auto along = [](double offset, double radius, int extent) {
      const double angle = std::asin(std::clamp(offset / radius, -1.0, 1.0));
      const int index = static_cast<int>(std::floor((angle / std::numbers::pi + 0.5) * extent));
      return std::clamp(index, 0, extent - 1);
    };
    return {along(px, faceRadiusX_, glyph_.width()), along(py, faceRadiusY_, glyph_.height())};
  }

  const HemisphereLook& look_;
  QImage glyph_;
  QPoint origin_;
  double faceRadiusX_;
  double faceRadiusY_;
  QRgb seeThrough_;
};

QImage ToMonoMask(const QImage& drawn) {
  QImage mask(drawn.size(), QImage::Format_Mono);
  mask.setColorCount(2);
  mask.setColor(0, qRgb(255, 255, 255));
  mask.setColor(1, qRgb(0, 0, 0));
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x) mask.setPixel(x, y, qGray(drawn.pixel(x, y)) < 128);
  return mask;
}

void DrawBorder(int inset, QColor colour, QImage* image) {
  QPainter painter(image);
  painter.setPen(colour);
  painter.setBrush(Qt::NoBrush);
  const QSize size = image->size();
  painter.drawEllipse(QRectF(inset + 0.5, inset + 0.5, size.width() - 2 * inset - 1,
                             size.height() - 2 * inset - 1));
}

void DrawCaption(const QString& caption, QColor colour, const QFont& font, QImage* image) {
  QPainter painter(image);
  painter.setFont(font);
  painter.setPen(colour);
  const QFontMetrics metrics(font, image);
  const QSize text(metrics.horizontalAdvance(caption), metrics.height());
  painter.drawText(QRect(CaptionOrigin(image->size(), text), text),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
}

}  // namespace

int RoundHalfEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

int FaceInset(THemisphereBevel inner, THemisphereBevel outer, int bevelWidth) {
  return (inner != hbNone ? bevelWidth : 0) + (outer != hbNone ? bevelWidth : 0);
}

double FaceLight(double nx, double ny, double attenControl) {
  const double nz = 1.0 - std::sqrt(nx * nx + ny * ny);
  return (nz - nx - ny) * kLightScale * attenControl;
}

int ShadeChannel(int channel, double light) {
  // Clamped before it becomes an integer, so that any strength of light saturates cleanly.
  const double shaded = std::nearbyint(channel * light) + channel;
  return static_cast<int>(std::clamp(shaded, 0.0, 255.0));
}

int BevelLevel(THemisphereBevel bevel, double ux, double uy) {
  // A raised ring slopes down towards the outside, a lowered one towards the face: 45 degrees.
  const double slope = bevel == hbRaised ? 1.0 : -1.0;
  const double component = std::numbers::sqrt2 / 2;
  const double nx = slope * ux * component;
  const double ny = slope * uy * component;
  const double nz = component;
  return std::clamp(RoundHalfEven((nz - nx - ny) * kLightScale * 128) + 128, 0, 255);
}

QPoint CaptionOrigin(QSize size, QSize text) {
  return {RoundHalfEven((size.width() - text.width() - 2) / 2.0),
          RoundHalfEven((size.height() - text.height() - 2) / 2.0)};
}

QImage GlyphCell(const QImage& strip, int count, int index) {
  if (strip.isNull() || count < 1 || index < 1 || index > count) return {};
  const int width = strip.width() / count;
  return strip.copy(width * (index - 1), 0, width, strip.height());
}

QImage EllipseMask(QSize size) {
  QImage drawn(size, QImage::Format_RGB32);
  drawn.fill(Qt::white);
  const double cx = size.width() / 2.0;
  const double cy = size.height() / 2.0;
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      if (InsideEllipse(x + 0.5 - cx, y + 0.5 - cy, cx, cy)) drawn.setPixel(x, y, qRgb(0, 0, 0));
  return ToMonoMask(drawn);
}

HemispherePictures RenderHemisphere(const HemisphereLook& look) {
  const int width = look.size.width();
  const int height = look.size.height();
  const double cx = width / 2.0;
  const double cy = height / 2.0;

  std::vector<Ring> rings;
  int inset = 0;
  for (THemisphereBevel bevel : {look.bevelOuter, look.bevelInner}) {
    if (bevel == hbNone) continue;
    rings.push_back({inset, bevel});
    inset += look.bevelWidth;
  }
  const GlyphSampler glyph(look, inset);
  const QRgb face = toQColor(look.faceColor).rgb();

  HemispherePictures pictures;
  pictures.imageOut = QImage(look.size, QImage::Format_RGB32);
  pictures.imageOut.fill(Qt::white);
  pictures.imageIn = pictures.imageOut;
  QImage mask = pictures.imageOut;

  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double px = x + 0.5 - cx;
      const double py = y + 0.5 - cy;
      if (!InsideEllipse(px, py, cx, cy)) continue;
      if (InsideEllipse(px, py, cx - inset, cy - inset)) {
        QRgb colour = face;
        const bool onGlyph = glyph.sample(x, y, px, py, &colour);
        if (look.faceTransparent && !onGlyph) continue;
        const bool shaded = onGlyph ? look.glyphShaded : look.faceShaded;
        const double light = shaded ? FaceLight(px / cx, py / cy, look.attenControl) : 0.0;
        pictures.imageOut.setPixel(x, y, Shade(colour, light));
        pictures.imageIn.setPixel(x, y, Shade(colour, -light));
      } else {
        const auto ring = std::find_if(rings.begin(), rings.end(), [&](const Ring& r) {
          const int inner = r.inset + look.bevelWidth;
          return !InsideEllipse(px, py, cx - inner, cy - inner);
        });
        // The outward normal of the ellipse through this pixel.
        const double gx = px / (cx * cx);
        const double gy = py / (cy * cy);
        const double length = std::hypot(gx, gy);
        const double ux = length > 0 ? gx / length : 0.0;
        const double uy = length > 0 ? gy / length : 0.0;
        // Every pixel between the outline and the face lies on one of the rings.
        const QRgb grey = Grey(BevelLevel(ring->bevel, ux, uy));
        pictures.imageOut.setPixel(x, y, grey);
        pictures.imageIn.setPixel(x, y, grey);
      }
      mask.setPixel(x, y, qRgb(0, 0, 0));
    }
  }

  // Border and caption lie on the face; on a see-through face they also shape the mask.
  if (look.borderStyle == TBorderStyle::bsSingle) {
    for (QImage* picture : {&pictures.imageOut, &pictures.imageIn})
      DrawBorder(inset, toQColor(look.borderColor), picture);
    if (look.faceTransparent) DrawBorder(inset, Qt::black, &mask);
  }
  if (!look.caption.isEmpty()) {
    for (QImage* picture : {&pictures.imageOut, &pictures.imageIn})
      DrawCaption(look.caption, toQColor(look.fontColor), look.font, picture);
    if (look.faceTransparent) {
      QFont sharp = look.font;
      sharp.setStyleStrategy(QFont::NoAntialias);
      DrawCaption(look.caption, Qt::black, sharp, &mask);
    }
  }
  pictures.imageMask = ToMonoMask(mask);
  return pictures;
}

}  // namespace controls
