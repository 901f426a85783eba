// Attitude indicator, RMI with its source switch, marker lights, HSI and the second CDI.
#include <QPainter>
#include <cmath>
#include <numbers>

#include "gauge_art.h"
#include "gauge_bitmaps.h"

namespace gaugeart {
namespace {

const QColor kSky(40, 120, 200);
const QColor kEarth(130, 80, 40);
const QColor kPointerGreen(80, 210, 90);
const QColor kPointerYellow(240, 200, 40);
const QColor kWarningRed(200, 30, 26);

QImage face(int width, int height, const QString& title) {
  QImage image = canvas(width, height);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  roundFace(painter, QSizeF(width, height));
  text(painter, QRectF(0, height - 22, width, 10), title, 7, kMarking);
  return image;
}

QImage compass(int size, const QColor& ring) {
  QImage image = canvas(size, size);
  compassCard(image, ring);
  return image;
}

QImage pointer(int width, int height, QPoint pivot, const QColor& colour, bool doubleBar) {
  QImage image = canvas(width, height);
  verticalPointer(image, pivot, colour, doubleBar);
  return image;
}

QImage warningFlag(int width, int height, const QString& word) {
  QImage image = canvas(width, height);
  flag(image, kWarningRed, word);
  return image;
}

QImage horizonTexture() {
  // Sky over earth with pitch lines every 5 degrees; the pitch callback moves it by 1.4 px a
  // degree.
  QImage image = canvas(256, 256);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRectF(0, 0, 256, 128), kSky);
  painter.fillRect(QRectF(0, 128, 256, 128), kEarth);
  painter.setPen(QPen(QColor(245, 245, 245), 2));
  painter.drawLine(QPointF(0, 128), QPointF(256, 128));
  for (int degrees = 5; degrees <= 40; degrees += 5) {
    const double offset = degrees * 1.4 * 2;
    const double half = degrees % 10 == 0 ? 22 : 12;
    painter.setPen(QPen(QColor(245, 245, 245), 1));
    painter.drawLine(QPointF(128 - half, 128 - offset), QPointF(128 + half, 128 - offset));
    painter.drawLine(QPointF(128 - half, 128 + offset), QPointF(128 + half, 128 + offset));
  }
  return image;
}

QImage attitudeBackground() {
  QImage image = face(161, 161, "");
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  // The sphere shows through a round hole about its centre, inside the bank marks.
  const QPointF centre(82, 84);
  painter.setPen(QPen(QColor(70, 70, 76), 2));
  painter.setBrush(kSeeThrough);
  painter.drawEllipse(centre, 56, 56);
  // Bank marks 10, 20, 30, 60 and 90 degrees either side of the top.
  for (int bank : {-90, -60, -30, -20, -10, 0, 10, 20, 30, 60, 90}) {
    const double a = (bank - 90) * std::numbers::pi / 180.0;
    const double inner = bank % 30 == 0 ? 58 : 62;
    painter.setPen(QPen(kMarking, bank % 30 == 0 ? 2.5 : 1.5));
    painter.drawLine(centre + QPointF(std::cos(a) * inner, std::sin(a) * inner),
                     centre + QPointF(std::cos(a) * 70, std::sin(a) * 70));
  }
  return image;
}

QImage attitudeMask() {
  // Miniature aircraft and the lower case with the pitch knob.
  QImage image = canvas(97, 40);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(240, 150, 30), 3));
  painter.drawLine(QPointF(14, 4), QPointF(40, 4));
  painter.drawLine(QPointF(57, 4), QPointF(83, 4));
  painter.setBrush(QColor(240, 150, 30));
  painter.drawEllipse(QPointF(48.5, 4), 3, 3);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(36, 36, 40));
  painter.drawRoundedRect(QRectF(20, 18, 57, 21), 6, 6);
  text(painter, QRectF(20, 18, 57, 9), "PULL TO CAGE", 5, kMarking);
  return image;
}

// A bezel ring over a rotating card, with the lubber mark at its top.
void bezelRing(QPainter& painter, QPointF centre, double radius, double width) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(116, 116, 122), width));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, radius, radius);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(240, 150, 30));
  const double inner = centre.y() - radius + width / 2;
  painter.drawPolygon(QPolygonF(
      {{centre.x(), inner + 2}, {centre.x() - 4, inner - 7}, {centre.x() + 4, inner - 7}}));
}

QImage rmiOverlay() {
  QImage image = canvas(151, 151);
  QPainter painter(&image);
  bezelRing(painter, {75, 75}, 71, 8);
  text(painter, QRectF(0, 134, 151, 12), "RMI", 8, kMarking);
  return image;
}

QImage rmiSwitchPlate() {
  QImage image = canvas(47, 57);
  plate(image, QColor(50, 52, 56));
  QPainter painter(&image);
  text(painter, QRectF(0, 2, 47, 10), "RMI", 7, kMarking);
  text(painter, QRectF(0, 12, 47, 10), "NAV1  ADF", 5, kMarking);
  return image;
}

QImage markerLabel() {
  QImage image = canvas(127, 25);
  QPainter painter(&image);
  text(painter, QRectF(105, 0, 22, 8), "MKR", 6, kMarking);
  return image;
}

QImage sourceSwitch(bool firstSource) {
  QImage image = canvas(24, 35);
  toggleSwitch(image, firstSource);
  return image;
}

QImage markerLamps(int lit) {
  // The three lamps of the marker panel; image k lights the lamp for switch state k.
  QImage image = canvas(81, 25);
  QPainter painter(&image);
  const QColor colours[] = {QColor(40, 90, 230), QColor(230, 170, 30), QColor(235, 235, 235)};
  const QString letters[] = {"O", "M", "I"};
  for (int lampIndex = 0; lampIndex < 3; ++lampIndex) {
    QImage lens = canvas(22, 19);
    lamp(lens, colours[lampIndex], letters[lampIndex], lampIndex == lit);
    painter.drawImage(QPointF(4 + lampIndex * 26, 3), lens);
  }
  return image;
}

QImage markerPanel() {
  QImage image = canvas(127, 25);
  plate(image, QColor(50, 52, 56), false);
  QPainter painter(&image);
  text(painter, QRectF(105, 8, 22, 8), "HI", 6, kMarking);
  text(painter, QRectF(105, 17, 22, 8), "LO", 6, kMarking);
  return image;
}

QImage headingMarker() {
  QImage image = canvas(9, 10);
  QPainter painter(&image);
  painter.fillRect(QRectF(0, 0, 9, 10), QColor(240, 150, 30));
  painter.fillRect(QRectF(3, 3, 3, 7), QColor(2, 2, 2));
  return image;
}

QImage deviationTexture() {
  // The course deviation bar in the middle of a large transparent texture.
  QImage image = canvas(256, 256);
  QPainter painter(&image);
  painter.fillRect(QRectF(126, 98, 4, 60), QColor(240, 200, 40));
  return image;
}

QImage hsiBezel() {
  QImage image = canvas(165, 156);
  QPainter painter(&image);
  bezelRing(painter, {85, 79}, 58, 12);
  // The miniature aircraft in the middle.
  painter.setPen(QPen(QColor(240, 150, 30), 2));
  painter.drawLine(QPointF(75, 79), QPointF(95, 79));
  painter.drawLine(QPointF(85, 72), QPointF(85, 90));
  text(painter, QRectF(4, 140, 40, 12), "HDG", 7, kMarking);
  text(painter, QRectF(121, 140, 40, 12), "CRS", 7, kMarking);
  return image;
}

QImage glideSlopeScale() {
  QImage image = canvas(12, 57);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kMarking, 1));
  painter.setBrush(Qt::NoBrush);
  for (int dot = 0; dot < 5; ++dot) painter.drawEllipse(QPointF(6, 6 + dot * 11.25), 2.5, 2.5);
  return image;
}

QImage cdiFace() {
  QImage image = canvas(151, 151);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kMarking, 1));
  for (int dot = -5; dot <= 5; ++dot) {
    if (dot == 0) continue;
    painter.drawEllipse(QPointF(75 + dot * 8.75, 75), 2, 2);
  }
  painter.setPen(QPen(QColor(240, 150, 30), 3));
  painter.drawLine(QPointF(75, 8), QPointF(75, 20));
  text(painter, QRectF(0, 128, 40, 12), "OBS", 7, kMarking);
  text(painter, QRectF(100, 128, 51, 12), "NAV 2", 7, kMarking);
  return image;
}

QImage toFromFlag(int index) {
  QImage image = canvas(16, 14);
  const QString words[] = {"TO", "FR", "OFF"};
  flag(image, index == 2 ? kWarningRed : QColor(40, 40, 44), words[index]);
  return image;
}

QImage deviationBar() {
  QImage image = canvas(3, 70);
  QPainter painter(&image);
  painter.fillRect(image.rect(), QColor(240, 240, 236));
  return image;
}

}  // namespace

Bitmaps attitudeNavBitmaps() {
  Bitmaps bitmaps = {
      {152, face(151, 151, "")},
      {153, compass(128, QColor(46, 46, 50))},
      {154, pointer(12, 90, {6, 45}, kPointerGreen, false)},
      {155, pointer(14, 90, {7, 45}, kPointerYellow, true)},
      {156, rmiOverlay()},
      {157, warningFlag(28, 12, "NAV 1")},
      {158, warningFlag(28, 12, "ADF")},
      {159, warningFlag(28, 12, "HDG")},
      {160, rmiSwitchPlate()},
      {161, sourceSwitch(false)},
      {162, sourceSwitch(true)},
      {163, attitudeBackground()},
      {164, horizonTexture()},
      {165, face(161, 161, "ATTITUDE")},
      {166, attitudeMask()},
      {167, filledShape(12, 14, QPolygonF({{6, 0}, {11.5, 13.5}, {0.5, 13.5}}), kMarking)},
      {168, warningFlag(30, 14, "GYRO")},
      {170, markerPanel()},
      {171, markerLamps(0)},
      {172, markerLamps(1)},
      {173, markerLamps(2)},
      {174, markerLabel()},
      {175, knobImage(24, 27, -150, QColor(80, 80, 86))},
      {176, knobImage(24, 27, -90, QColor(80, 80, 86))},
      {177, knobImage(24, 27, -30, QColor(80, 80, 86))},
      {178, face(165, 156, "")},
      {179, compass(102, QColor(46, 46, 50))},
      {180, pointer(57, 101, {29, 50}, QColor(240, 200, 40), false)},
      {181, deviationTexture()},
      {182, face(165, 156, "HSI")},
      {183, headingMarker()},
      {184, filledShape(9, 9, QPolygonF({{0.5, 0.5}, {8.5, 4.5}, {0.5, 8.5}}), kPointerGreen)},
      {185, warningFlag(30, 16, "NAV")},
      {186, warningFlag(30, 16, "HDG")},
      {187, warningFlag(30, 16, "GS")},
      {188, filledShape(15, 11, QPolygonF({{7.5, 0}, {14.5, 10.5}, {0.5, 10.5}}), kMarking)},
      {189, hsiBezel()},
      {190, glideSlopeScale()},
      {202, face(151, 151, "")},
      {203, compass(128, QColor(46, 46, 50))},
      {204, toFromFlag(0)},
      {205, toFromFlag(1)},
      {206, toFromFlag(2)},
      {207, cdiFace()},
      {208, deviationBar()},
  };
  return bitmaps;
}

}  // namespace gaugeart
