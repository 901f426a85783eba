#include "controls/see_through.h"

#include <QBitmap>

namespace controls {

namespace {

TColor ToTColor(QRgb rgb) {
  return RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

QRgb ToOpaqueRgb(TColor colour) {
  return toQColor(colour).rgb();
}

}  // namespace

TColor SeeThroughColour(const QImage& picture) {
  if (picture.isNull()) return clWhite;
  return ToTColor(picture.pixel(0, picture.height() - 1));
}

QImage HitMaskOf(const QImage& picture, TColor seeThrough) {
  if (picture.isNull()) return {};
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  QImage mask = rgb.createMaskFromColor(ToOpaqueRgb(seeThrough), Qt::MaskOutColor);
  mask.setColorCount(2);
  mask.setColor(0, qRgb(255, 255, 255));
  mask.setColor(1, qRgb(0, 0, 0));
  return mask;
}

bool MaskContains(const QImage& mask, QPoint pos) {
  return mask.valid(pos) && mask.pixelIndex(pos) == 1;
}

QRegion RegionOfMask(const QImage& mask) {
  if (mask.isNull()) return {};
  return QRegion(QBitmap::fromImage(mask));
}

QImage WithoutSeeThrough(const QImage& picture) {
  if (picture.isNull()) return {};
  const QRgb seeThrough = ToOpaqueRgb(SeeThroughColour(picture));
  QImage drawn = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < drawn.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(drawn.scanLine(y));
    for (int x = 0; x < drawn.width(); ++x) {
      if ((line[x] | 0xFF000000u) == seeThrough) line[x] = 0;
    }
  }
  return drawn;
}

}  // namespace controls
