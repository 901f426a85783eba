#include "app_icon.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace content {

namespace {

// The aircraft's outline on a 100 x 100 grid, nose up: fuselage, wing and tailplane in one path
// so that the small sizes still read as one shape.
QPainterPath aircraftOutline() {
  QPainterPath path;
  path.addRoundedRect(QRectF(45, 14, 10, 72), 5, 5);
  path.addRoundedRect(QRectF(10, 36, 80, 13), 4, 4);
  path.addRoundedRect(QRectF(31, 74, 38, 9), 3, 3);
  path.setFillRule(Qt::WindingFill);
  return path.simplified();
}

}  // namespace

QImage drawAppIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 100.0, size / 100.0);

  QLinearGradient sky(0, 0, 0, 100);
  sky.setColorAt(0, QColor(40, 110, 200));
  sky.setColorAt(1, QColor(150, 205, 245));
  painter.setPen(QPen(QColor(20, 50, 110), 3));
  painter.setBrush(sky);
  painter.drawEllipse(QRectF(3, 3, 94, 94));

  painter.setPen(QPen(QColor(120, 70, 0), 2));
  painter.setBrush(QColor(250, 200, 40));
  painter.drawPath(aircraftOutline());
  painter.end();
  return image;
}

QByteArray appIconPng(int size) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  drawAppIcon(size).save(&buffer, "PNG");
  return bytes;
}

}  // namespace content
