#include "controls/fonts.h"

namespace {

QFont PixelFont(const QString& family, int pixelSize, bool bold, bool italic) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

}  // namespace

QFont ArialFont(int pixelSize, bool bold, bool italic) {
  return PixelFont(QStringLiteral("Liberation Sans"), pixelSize, bold, italic);
}

QFont SansSerifFont(int pixelSize, bool bold) {
  return PixelFont(QStringLiteral("Liberation Sans"), pixelSize, bold, false);
}
