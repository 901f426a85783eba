// Switch panel, pedestal, levers, fuel selector, parking brake, gear panel and warning lights.
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "gauge_art.h"
#include "gauge_bitmaps.h"

namespace gaugeart {
namespace {

const QColor kPanel(58, 60, 64);
const QColor kAmber(240, 160, 30);
const QColor kRed(220, 40, 30);
const QColor kGreen(60, 220, 80);

struct Label {
  QRectF box;
  QString text;
};

QImage panel(int width, int height, const std::vector<Label>& labels) {
  QImage image = canvas(width, height);
  plate(image, kPanel);
  QPainter painter(&image);
  for (const Label& label : labels) text(painter, label.box, label.text, 7, kMarking);
  return image;
}

// Printed labels on a see-through overlay.
QImage overlay(int width, int height, const std::vector<Label>& labels) {
  QImage image = canvas(width, height);
  QPainter painter(&image);
  for (const Label& label : labels) text(painter, label.box, label.text, 7, kMarking);
  return image;
}

QImage switchImage(int width, int height, bool up) {
  QImage image = canvas(width, height);
  toggleSwitch(image, up);
  return image;
}

QImage lampImage(int width, int height, const QColor& colour, const QString& label) {
  QImage image = canvas(width, height);
  lamp(image, colour, label, true);
  return image;
}

QImage button(int width, int height, bool pressed, const QColor& cap, const QString& label) {
  QImage image = canvas(width, height);
  pushButton(image, pressed, cap, label);
  return image;
}

QImage ignitionKey(int position) {
  QImage image = canvas(65, 65);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QString names[] = {"OFF", "R", "L", "BOTH", "START"};
  // The positions spread over the upper half, outside the key, each word inside the bitmap.
  const double angles[] = {-160, -125, -90, -55, -20};
  QImage key = canvas(28, 28);
  rotaryKnob(key, angles[position], QColor(150, 150, 156));
  painter.drawImage(QPointF(18.5, 18.5), key);  // before the words, which its corners would cover
  for (int p = 0; p < 5; ++p) {
    const double a = angles[p] * std::numbers::pi / 180.0;
    const QRectF box = centredBox(QPointF(32.5 + std::cos(a) * 24, 32.5 + std::sin(a) * 24), 24, 8);
    text(painter, box.translated(std::clamp(0.0, -box.left(), 65 - box.right()), 0), names[p], 6,
         kMarking);
  }
  return image;
}

QImage flapHandle(int position) {
  QImage image = canvas(78, 82);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  text(painter, QRectF(0, 0, 30, 10), "UP", 7, kMarking);
  text(painter, QRectF(0, 36, 30, 10), "APPR", 6, kMarking);
  text(painter, QRectF(0, 72, 30, 10), "DOWN", 6, kMarking);
  const double y = 6 + position * 35.0;
  painter.setPen(QPen(QColor(30, 30, 32), 1));
  painter.setBrush(QColor(220, 220, 214));
  painter.drawRoundedRect(QRectF(34, y - 5, 40, 10), 4, 4);
  return image;
}

QImage trimStrip() {
  // The elevator tab indicator: a long strip with the neutral mark in the middle.
  QImage image = canvas(36, 295);
  QPainter painter(&image);
  painter.fillRect(image.rect(), QColor(40, 40, 44));
  for (int y = 7; y < 295; y += 14) painter.fillRect(QRectF(6, y, 24, 2), QColor(200, 200, 196));
  painter.fillRect(QRectF(2, 146, 32, 4), kAmber);
  return image;
}

QImage cowlFlapKnob() {
  // Smaller than its bitmap, so that it stays in its slot at both ends of its travel.
  QImage image = canvas(45, 45);
  QPainter(&image).drawImage(6, 6, knobImage(33, 33, -90, QColor(90, 90, 96)));
  return image;
}

QImage levers(int position) {
  QImage image = canvas(10, 60);
  QPainter painter(&image);
  painter.fillRect(QRectF(3, 0, 4, 60), QColor(70, 70, 74));
  painter.fillRect(QRectF(0, 50 - position * 10.0, 10, 9), QColor(220, 220, 214));
  return image;
}

QImage leverCover() {
  QImage image = canvas(105, 67);
  QPainter painter(&image);
  painter.setPen(QPen(QColor(140, 140, 146), 2));
  painter.drawRect(QRectF(2, 2, 101, 63));
  text(painter, QRectF(0, 56, 52, 10), "INST", 6, kMarking);
  text(painter, QRectF(53, 56, 52, 10), "RADIO & ENG", 6, kMarking);
  return image;
}

QImage gearHandle(bool down) {
  QImage image = canvas(38, 100);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRectF(17, 10, 4, 80), QColor(150, 150, 156));
  const double y = down ? 80 : 10;
  painter.setBrush(QColor(235, 235, 230));
  painter.setPen(QPen(QColor(60, 60, 64), 1));
  painter.drawEllipse(QPointF(19, y), 12, 9);
  return image;
}

QImage leverSlider(int width, int height, const QColor& knob, const QString& label) {
  QImage image = canvas(width, height);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRectF(width * 0.45, height * 0.4, width * 0.1, height * 0.6),
                   QColor(180, 180, 184));
  painter.setBrush(knob);
  painter.setPen(QPen(knob.darker(180), 1));
  painter.drawEllipse(QRectF(1, 1, width - 2, height * 0.5));
  text(painter, QRectF(1, 1, width - 2, height * 0.5), label, 7, kMarking);
  return image;
}

QImage fuelHandle(int position) {
  QImage image = canvas(100, 99);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const double angles[] = {-90, 180, 0};  // OFF up, LEFT MAIN left, RIGHT MAIN right
  const double a = angles[position] * std::numbers::pi / 180.0;
  const QPointF centre(50, 50);
  painter.setPen(QPen(QColor(30, 30, 32), 1));
  painter.setBrush(QColor(200, 40, 30));
  painter.drawEllipse(centre, 14, 14);
  painter.setPen(QPen(QColor(200, 40, 30), 10, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(centre, centre + QPointF(std::cos(a) * 44, std::sin(a) * 44));
  return image;
}

QImage warningPanel() {
  QImage image = panel(183, 34, {});
  return image;
}

QImage togglePlate() {
  QImage image = canvas(20, 20);
  plate(image, kPanel, false);
  return image;
}

QImage trimWheel(int phase) {
  // The two images alternate as the wheel turns, its ribs shifted by half a step.
  QImage image = canvas(33, 100);
  plate(image, QColor(30, 30, 32), false);
  QPainter painter(&image);
  for (int y = 4 + phase * 7; y < 100; y += 14)
    painter.fillRect(QRectF(3, y, 27, 3), QColor(90, 90, 96));
  return image;
}

// Dark recesses in a panel where its switches, knobs and lamps sit.
void recesses(QImage& image, const std::vector<QRectF>& boxes, bool round = false) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(110, 112, 118), 1));
  painter.setBrush(QColor(24, 24, 26));
  for (const QRectF& box : boxes)
    round ? painter.drawEllipse(box) : painter.drawRoundedRect(box, 3, 3);
}

QImage switchPanel() {
  QImage image = panel(1024, 110, {});
  recesses(image, {{111, 20, 36, 51},
                   {143, 20, 36, 51},
                   {180, 20, 36, 51},
                   {216, 20, 36, 51},
                   {255, 21, 39, 51},
                   {295, 21, 39, 51},
                   {334, 21, 39, 51},
                   {373, 21, 39, 51},
                   {413, 21, 39, 51},
                   {981, 28, 36, 51},
                   {519, 25, 14, 64},
                   {602, 25, 14, 64},
                   {652, 28, 40, 60},
                   {831, 20, 78, 86}});
  recesses(image, {{14, 17, 73, 73}}, true);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  // The cowl flap knob's slot, from shut to open (the slider moves it 19 across, 26 down).
  const QLineF slot(QPointF(762.5, 63.5), QPointF(781.5, 89.5));
  painter.setPen(QPen(QColor(110, 112, 118), 40, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(slot);
  painter.setPen(QPen(QColor(24, 24, 26), 38, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(slot);
  painter.setRenderHint(QPainter::Antialiasing, false);
  movingImageHole(painter, {654, 30, 36, 56});  // the elevator tab indicator's window
  return image;
}

QImage pedestal() {
  QImage image = panel(337, 175, {});
  recesses(image, {{17, 8, 37, 104},
                   {191, 3, 43, 55},
                   {80, 100, 10, 45},
                   {160, 100, 10, 45},
                   {240, 100, 10, 45}});
  return image;
}

QImage fuelSelectorPlate() {
  QImage image = panel(337, 175, {});
  recesses(image, {{201, 46, 43, 49}});
  recesses(image, {{99, 22, 140, 140}}, true);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(220, 40, 30), 4));
  painter.drawArc(QRectF(104, 27, 130, 130), 60 * 16, 60 * 16);  // the OFF sector, red
  return image;
}

QImage breakerPanel() {
  QImage image = panel(506, 106, {});
  recesses(image, {{52, 76, 26, 24}, {34, 42, 26, 24}, {15, 76, 26, 24}, {34, 8, 26, 24}});
  std::vector<QRectF> breakers;
  for (int column = 0; column < 12; ++column)
    for (int row = 0; row < 2; ++row)
      breakers.push_back({130.0 + column * 30, 30.0 + row * 40, 14, 14});
  recesses(image, breakers, true);
  return image;
}

}  // namespace

Bitmaps cockpitBitmaps() {
  Bitmaps bitmaps = {
      {137, panel(98, 94, {{{0, 84, 60, 10}, "GEAR"}, {{60, 84, 38, 10}, "DOWN"}})},
      {138, gearHandle(false)},
      {139, gearHandle(true)},
      {140, lampImage(16, 16, kGreen, "")},
      {141, lampImage(20, 14, kRed, "")},
      {209, breakerPanel()},
      {210, lampImage(22, 20, kGreen, "")},
      {211, lampImage(22, 20, kRed, "")},
      {212, overlay(501, 106,
                    {{{0, 64, 90, 10}, "LDG GR"},
                     {{10, 0, 70, 10}, "INTRANSIT"},
                     {{30, 34, 34, 10}, "NOSE"},
                     {{10, 98, 34, 8}, "LEFT"},
                     {{48, 98, 34, 8}, "RIGHT"},
                     {{120, 4, 380, 10}, "CIRCUIT BREAKERS"}})},
      {213, fuelSelectorPlate()},
      {214, overlay(337, 175,
                    {{{119, 20, 100, 12}, "OFF"},
                     {{60, 140, 100, 12}, "LEFT MAIN"},
                     {{180, 140, 100, 12}, "RIGHT MAIN"},
                     {{196, 94, 64, 28}, "DEPRESS STOP\nTURN HANDLE\nTO OFF"}})},
      {220, pedestal()},
      {221, overlay(337, 175,
                    {{{10, 112, 50, 10}, "ELEV TRIM"},
                     {{170, 58, 90, 10}, "AUX FUEL PUMP"},
                     {{170, 68, 90, 10}, "OPERATION"},
                     {{60, 150, 90, 10}, "THROTTLE"},
                     {{150, 150, 90, 10}, "PROPELLER"},
                     {{240, 150, 90, 10}, "FUEL MIX"}})},
      {222, button(39, 51, false, QColor(200, 40, 30), "PUMP")},
      {223, button(39, 51, true, QColor(200, 40, 30), "PUMP")},
      {227, panel(80, 67, {{{2, 56, 44, 10}, "THROTTLE"}})},
      {228, leverSlider(55, 58, QColor(30, 30, 32), "")},
      {229, panel(80, 67, {{{2, 56, 44, 10}, "PROP"}})},
      {230, leverSlider(55, 58, QColor(40, 80, 180), "")},
      {231, panel(80, 67, {{{2, 56, 44, 10}, "MIXTURE"}})},
      {232, leverSlider(55, 58, QColor(200, 40, 30), "")},
      {233, panel(47, 57, {{{0, 2, 47, 10}, "AVIONICS"}})},
      {234, switchImage(24, 35, false)},
      {235, switchImage(24, 35, true)},
      {278, panel(80, 67, {{{0, 0, 80, 10}, "ALT AIR"}})},
      {279, leverSlider(44, 31, QColor(30, 30, 32), "")},
      {296, switchPanel()},
      {297, overlay(1024, 110,
                    {{{111, 6, 32, 10}, "BAT"},
                     {{143, 6, 36, 10}, "ALT"},
                     {{180, 1, 36, 18}, "PROP\nDE-ICE"},
                     {{216, 1, 36, 18}, "PITOT\nHEAT"},
                     {{255, 6, 39, 10}, "STROBE"},
                     {{295, 6, 39, 10}, "BEACON"},
                     {{334, 6, 39, 10}, "NAV"},
                     {{373, 6, 39, 10}, "TAXI"},
                     {{413, 6, 39, 10}, "LAND"},
                     {{640, 96, 64, 10}, "ELEV TRIM"},
                     {{730, 12, 60, 10}, "COWL FLAP"},
                     {{831, 8, 78, 10}, "WING FLAPS"},
                     {{978, 1, 42, 18}, "VENT\nBLOWER"}})},
      {309, trimStrip()},
      {310, overlay(36, 60, {{{0, 25, 36, 10}, "TAB"}})},
      {314, cowlFlapKnob()},
      {319, panel(37, 26, {})},
      {320, button(37, 26, false, QColor(200, 40, 30), "BRAKE")},
      {321, warningPanel()},
      {322, lampImage(26, 24, kRed, "")},
      {329, leverCover()},
  };
  const int togglePlates[] = {191, 193, 195, 197, 200};
  for (int plateId : togglePlates) {
    bitmaps.push_back({plateId, togglePlate()});
    bitmaps.push_back({plateId + 1, switchImage(20, 20, true)});
  }
  for (int up = 0; up < 2; ++up) {
    bitmaps.push_back({298 + up, switchImage(39, 51, up == 1)});
    bitmaps.push_back({300 + up, switchImage(39, 51, up == 1)});
    bitmaps.push_back({302 + up, switchImage(39, 51, up == 1)});
    bitmaps.push_back({218 + up, button(39, 45, up == 1, QColor(220, 200, 40), "STOP")});
    bitmaps.push_back({224 + up, trimWheel(up)});
  }
  for (int position = 0; position < 5; ++position) {
    bitmaps.push_back({304 + position, ignitionKey(position)});
    bitmaps.push_back({324 + position, levers(position)});
  }
  for (int position = 0; position < 3; ++position) {
    bitmaps.push_back({311 + position, flapHandle(position)});
    bitmaps.push_back({215 + position, fuelHandle(position)});
  }
  return bitmaps;
}

}  // namespace gaugeart
