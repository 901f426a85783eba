// Round flight and engine instruments. Dial marks sit at the points of each needle's
// nonlinearity table, so a needle drawn at a value points at that value's mark, and each needle
// is long enough to reach its marks from its pivot (107 serves the fuel gauges from (10,4) and
// the flap indicator from (0,4)).
#include <QPainter>
#include <cmath>

#include "gauge_art.h"
#include "gauge_bitmaps.h"

namespace gaugeart {
namespace {

QImage dial(int size, QPointF pivot, const std::vector<Mark>& marks, int minorSteps,
            const QString& title, const QString& unit) {
  QImage image = canvas(size, size);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  roundFace(painter, QSizeF(size, size));
  marksScale(painter, pivot, marks, minorSteps);
  text(painter, centredBox(pivot + QPointF(0, -size * 0.17), size * 0.5, 12), title, 9, kMarking);
  text(painter, centredBox(pivot + QPointF(0, size * 0.2), size * 0.5, 12), unit, 8, kMarking);
  return image;
}

QImage needleImage(int width, int height, QPoint pivot, const QColor& colour) {
  QImage image = canvas(width, height);
  needle(image, pivot, colour);
  return image;
}

QImage cap(int size) {
  QImage image = canvas(size, size);
  QPainter painter(&image);
  centreCap(painter, QPointF(size / 2.0, size / 2.0), size / 2.0 - 0.5);
  return image;
}

const std::vector<Mark> kRpmMarks = {{0, {26, 121}, "0"},     {500, {3, 87}, "5"},
                                     {1000, {7, 40}, "10"},   {1500, {40, 8}, "15"},
                                     {2000, {88, 5}, "20"},   {2500, {125, 34}, "25"},
                                     {3000, {133, 83}, "30"}, {3500, {104, 121}, "35"}};
const std::vector<Mark> kMapLeftMarks = {
    {0, {68, 135}, ""},  {10, {63, 134}, ""},  {15, {28, 120}, "15"}, {20, {6, 88}, "20"},
    {25, {7, 47}, "25"}, {30, {29, 16}, "30"}, {35, {66, 2}, ""},     {40, {71, 2}, ""}};
const std::vector<Mark> kMapRightMarks = {
    {0, {71, 3}, "0"},   {4, {107, 15}, "4"},    {6, {115, 20}, ""},  {8, {122, 28}, "8"},
    {10, {128, 37}, ""}, {12, {132, 50}, "12"},  {14, {136, 65}, ""}, {16, {135, 81}, "16"},
    {18, {129, 99}, ""}, {20, {116, 117}, "20"}, {22, {96, 130}, ""}, {24, {69, 135}, "24"}};
const std::vector<Mark> kFuelMarks = {{0, {9, 32}, "E"},
                                      {25, {31, 20}, ""},
                                      {50, {43, 17}, "1/2"},
                                      {75, {62, 22}, ""},
                                      {100, {77, 32}, "F"}};
const std::vector<Mark> kFlapMarks = {
    {0, {61, 18}, "UP"}, {8190, {69, 44}, "10"}, {16384, {60, 60}, "40"}};
const std::vector<Mark> kVsiMarks = {
    {-4000, {132, 69}, ""},   {-3500, {129, 86}, ""},   {-3000, {121, 104}, ""},
    {-2500, {98, 124}, ""},   {-2000, {69, 131}, "20"}, {-1500, {42, 124}, "15"},
    {-1000, {22, 108}, "10"}, {-500, {12, 90}, "5"},    {0, {8, 69}, "0"},
    {500, {12, 46}, "5"},     {1000, {22, 29}, "10"},   {1500, {42, 13}, "15"},
    {2000, {69, 6}, "20"},    {2500, {97, 12}, ""},     {3000, {121, 32}, ""},
    {3500, {129, 50}, ""},    {4000, {132, 67}, ""}};
const std::vector<Mark> kVacMarks = {{0, {8, 56}, "0"},  {3, {20, 23}, "3"}, {4, {41, 10}, "4"},
                                     {5, {67, 10}, "5"}, {6, {88, 22}, "6"}, {7, {96, 32}, "7"}};
const std::vector<Mark> kAsiMarks = {
    {0, {73, 11}, ""},     {40, {92, 13}, "40"},     {50, {100, 22}, ""},  {60, {109, 28}, "60"},
    {70, {119, 39}, ""},   {80, {126, 54}, "80"},    {90, {129, 71}, ""},  {100, {127, 89}, "100"},
    {110, {120, 105}, ""}, {120, {106, 119}, "120"}, {130, {89, 127}, ""}, {140, {70, 129}, "140"},
    {150, {51, 125}, ""},  {160, {31, 112}, "160"},  {170, {19, 89}, ""},  {180, {18, 61}, "180"},
    {190, {32, 34}, ""},   {200, {57, 16}, "200"}};
const std::vector<Mark> kTurnMarks = {
    {-900, {20, 22}, "L"}, {0, {64, 4}, ""}, {900, {112, 22}, "R"}};

struct EngineDial {
  QPointF pivot;
  std::vector<Mark> marks;
};
const EngineDial kEngineDials[] = {
    {{34, 45},
     {{0, {9, 27}, ""},
      {50, {11, 25}, ""},
      {100, {21, 19}, "100"},
      {150, {34, 15}, ""},
      {200, {46, 16}, "200"},
      {250, {59, 22}, ""}}},
    {{100, 45},
     {{0, {78, 24}, ""},
      {25, {85, 18}, ""},
      {50, {94, 14}, "50"},
      {75, {106, 14}, ""},
      {100, {117, 17}, "100"},
      {125, {125, 20}, ""}}},
    {{34, 110}, {{-30, {8, 85}, "-"}, {0, {33, 77}, "0"}, {30, {59, 85}, "+"}}},
    {{100, 110},
     {{0, {74, 91}, "0"},
      {25, {88, 80}, ""},
      {50, {98, 78}, "50"},
      {75, {112, 80}, ""},
      {100, {125, 85}, "100"}}},
};

QImage tachometer() {
  QImage image = dial(136, {67, 67}, kRpmMarks, 5, "RPM", "x100");
  QPainter painter(&image);
  marksBand(painter, {67, 67}, kRpmMarks, 2100, 2700, QColor(40, 170, 60), 4, 10);
  marksBand(painter, {67, 67}, kRpmMarks, 2690, 2710, QColor(210, 40, 30), 6, 10);
  return image;
}

QImage manifoldPressure() {
  QImage image = dial(140, {70, 70}, kMapLeftMarks, 5, "MAN PRESS", "IN HG");
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  marksScale(painter, {70, 70}, kMapRightMarks, 2);
  text(painter, centredBox({98, 84}, 50, 10), "FUEL FLOW", 7, kMarking);
  text(painter, centredBox({98, 94}, 50, 10), "GAL/HR", 7, kMarking);
  marksBand(painter, {70, 70}, kMapLeftMarks, 15, 25, QColor(40, 170, 60), 4, 10);
  return image;
}

// The fuel and flap dials: their names are printed elsewhere than a round dial's title.
QImage smallDial(int size, QPointF pivot, const std::vector<Mark>& marks) {
  return dial(size, pivot, marks, 2, "", "");
}

QImage flapDial() {
  // The pivot sits left of centre; the title goes below the needle's sweep.
  QImage image = smallDial(80, {16, 39}, kFlapMarks);
  QPainter painter(&image);
  text(painter, centredBox({34, 67}, 40, 10), "FLAPS", 8, kMarking);
  return image;
}

// Where the pressure drum shows on the altimeter face; the drum's bitmap is as wide.
constexpr QRect kDrumWindow(109, 61, 22, 27);

QImage altimeter() {
  QImage image = canvas(144, 144);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  roundFace(painter, QSizeF(144, 144));
  const QPointF pivot(72, 74);
  std::vector<QString> digits;
  for (int d = 0; d < 10; ++d) digits.push_back(QString::number(d));
  // 0 at the top, one turn of the long hand per 1000 ft.
  circularScale(painter, pivot, 62, -90, 360, 10, 5, digits);
  text(painter, centredBox(pivot + QPointF(0, -22), 60, 10), "ALT", 9, kMarking);
  text(painter, centredBox(pivot + QPointF(0, 24), 70, 10), "100 FEET", 7, kMarking);
  // The drum's window, with the index mark at its middle row.
  painter.setPen(QPen(QColor(160, 160, 160), 1));
  painter.drawRect(QRectF(108.5, 60.5, 23, 28));
  painter.setPen(QPen(kMarking, 2));
  painter.drawLine(QPointF(103, 74.5), QPointF(108, 74.5));
  movingImageHole(painter, kDrumWindow);
  return image;
}

QImage pressureDrum() {
  // The drum slides through its window from 27.99 at the top to 32.01 at the bottom; the
  // setting stands at the window's index row. A line a tenth, a figure every fifth of an inch.
  constexpr double kLowest = 27.99, kHighest = 32.01, kIndex = 13.5;
  constexpr int kLength = 284;
  const double pixelsPerInch = (kLength - kDrumWindow.height()) / (kHighest - kLowest);
  QImage image = canvas(kDrumWindow.width(), kLength);
  QPainter painter(&image);
  painter.fillRect(image.rect(), QColor(235, 235, 228));
  for (int tenth = 277; tenth <= 334; ++tenth) {
    const double y = kIndex + (tenth / 10.0 - kLowest) * pixelsPerInch;
    painter.setPen(QPen(QColor(20, 20, 20), 1));
    painter.drawLine(QPointF(0, y), QPointF(tenth % 2 == 0 ? 5 : 3, y));
    if (tenth % 2 == 0)
      text(painter, QRectF(5, y - 5, 17, 10), QString::number(tenth / 10.0, 'f', 1), 6,
           QColor(20, 20, 20), Qt::AlignLeft | Qt::AlignVCenter);
  }
  return image;
}

QImage altitudeHand(int width, int height, QPoint pivot, bool broad) {
  QImage image = needleImage(width, height, pivot, QColor(238, 238, 232));
  if (broad) {
    QPainter painter(&image);
    painter.setBrush(QColor(238, 238, 232));
    painter.setPen(Qt::NoPen);
    painter.drawRect(QRectF(pivot.x() + 4, pivot.y() - 2.5, width - pivot.x() - 12, 5));
  }
  return image;
}

QImage verticalSpeed() {
  QImage image = dial(141, {71, 71}, kVsiMarks, 5, "VERT SPEED", "100 FT/MIN");
  QPainter painter(&image);
  text(painter, centredBox({40, 52}, 24, 10), "UP", 8, kMarking);
  text(painter, centredBox({40, 92}, 24, 10), "DN", 8, kMarking);
  return image;
}

QImage suction() {
  QImage image = dial(110, {55, 55}, kVacMarks, 2, "SUCTION", "IN HG");
  QPainter painter(&image);
  marksBand(painter, {55, 55}, kVacMarks, 4.5, 5.5, QColor(40, 170, 60), 4, 9);
  return image;
}

QImage airspeed() {
  QImage image = dial(147, {71, 71}, kAsiMarks, 2, "AIRSPEED", "KNOTS");
  QPainter painter(&image);
  marksBand(painter, {71, 71}, kAsiMarks, 50, 100, QColor(235, 235, 235), 3, 12);
  marksBand(painter, {71, 71}, kAsiMarks, 60, 160, QColor(40, 170, 60), 4, 9);
  marksBand(painter, {71, 71}, kAsiMarks, 160, 195, QColor(230, 200, 40), 4, 9);
  marksBand(painter, {71, 71}, kAsiMarks, 195, 200, QColor(210, 40, 30), 6, 9);
  return image;
}

QImage turnCoordinator() {
  QImage image = dial(135, {64, 45}, kTurnMarks, 1, "", "");
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  // The inclinometer's glass, light behind the dark ball.
  painter.setPen(QPen(QColor(120, 120, 126), 1));
  painter.setBrush(QColor(206, 206, 196));
  painter.drawRoundedRect(QRectF(30.5, 60.5, 72, 15), 7, 7);
  text(painter, centredBox({67, 86}, 90, 10), "TURN COORDINATOR", 7, kMarking);
  text(painter, centredBox({67, 118}, 60, 10), "2 MIN", 7, kMarking);
  text(painter, centredBox({67, 106}, 90, 10), "NO PITCH INFORMATION", 6, kMarking);
  return image;
}

QImage turnAirplane() {
  // A small aircraft seen from above at the end of a shaft from the pivot (4,4), nose outwards:
  // the symbol turns about (64,45) and points up in level flight.
  QImage image = canvas(52, 9);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(240, 240, 236));
  painter.drawEllipse(QPointF(4, 4.5), 3.5, 3.5);
  painter.drawRect(QRectF(4, 3.5, 24, 2));
  // Its nose reaches the dial's L and R marks, 50 pixels out.
  const QPolygonF aircraft({{51.5, 4.5},
                            {47, 3},
                            {41, 3},
                            {40, 0},
                            {36, 0},
                            {35, 3},
                            {29, 3},
                            {28, 1.5},
                            {26, 1.5},
                            {26, 7.5},
                            {28, 7.5},
                            {29, 6},
                            {35, 6},
                            {36, 9},
                            {40, 9},
                            {41, 6},
                            {47, 6}});
  painter.drawPolygon(aircraft);
  return image;
}

QImage ball() {
  QImage image = canvas(12, 12);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(20, 20, 24));
  painter.drawEllipse(QRectF(0.5, 0.5, 11, 11));
  painter.setBrush(QColor(90, 90, 96));
  painter.drawEllipse(QRectF(3, 2, 4, 4));
  return image;
}

QImage inclinometerTube() {
  QImage image = canvas(28, 16);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(60, 60, 64), 1.5));
  painter.drawLine(QPointF(10, 1), QPointF(10, 15));
  painter.drawLine(QPointF(18, 1), QPointF(18, 15));
  return image;
}

// Where the card shows; its lubber line stands over the card's 24.5th pixel.
constexpr QRect kCardWindow(5, 5, 49, 24);

QImage compassBody() {
  QImage image = canvas(59, 48);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(QColor(30, 30, 32));
  painter.setPen(QPen(QColor(110, 110, 116), 2));
  painter.drawRoundedRect(QRectF(1, 1, 57, 46), 8, 8);
  movingImageHole(painter, kCardWindow);
  // The lubber line, above and below the card.
  painter.setPen(QPen(QColor(230, 120, 30), 2));
  painter.drawLine(QPointF(29.5, 1), QPointF(29.5, 4));
  painter.drawLine(QPointF(29.5, 29), QPointF(29.5, 32));
  text(painter, QRectF(0, 32, 59, 12), "COMPASS", 7, kMarking);
  return image;
}

QImage compassGlass() {
  QImage image = canvas(59, 48);
  QPainter painter(&image);
  painter.setPen(QPen(QColor(150, 150, 156), 2));
  painter.drawRoundedRect(QRectF(2, 2, 55, 44), 8, 8);
  return image;
}

QImage compassStrip() {
  // Read from behind, as a whiskey compass card is: headings grow to the left. The card slides
  // by 360 - heading over its window, its length less the window's for a full turn; the heading
  // stands under the lubber line. Marks are drawn a label beyond both ends, so that 0 and 360
  // look alike.
  constexpr int kWidth = 414;
  const double pixelsPerDegree = (kWidth - kCardWindow.width()) / 360.0;
  const double north = 24.5 + 360 * pixelsPerDegree;
  QImage image = canvas(kWidth, 24);
  QPainter painter(&image);
  painter.fillRect(image.rect(), QColor(232, 226, 206));
  const QString cardinal[] = {"N", "3", "6", "E", "12", "15", "S", "21", "24", "W", "30", "33"};
  for (int degree = -45; degree <= 430; degree += 5) {
    const double x = north - degree * pixelsPerDegree;
    const int heading = (degree % 360 + 360) % 360;
    painter.setPen(QPen(QColor(20, 20, 20), 1));
    painter.drawLine(QPointF(x, 0), QPointF(x, heading % 10 == 0 ? 7 : 4));
    if (heading % 30 == 0)
      text(painter, centredBox({x, 15}, 18, 10), cardinal[heading / 30], 9, QColor(20, 20, 20));
  }
  return image;
}

QImage engineCluster() {
  QImage image = canvas(135, 132);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(QColor(40, 40, 44));
  painter.setPen(QPen(QColor(130, 130, 136), 2));
  painter.drawRoundedRect(QRectF(1, 1, 133, 130), 10, 10);
  for (const EngineDial& dialMarks : kEngineDials)
    marksScale(painter, dialMarks.pivot, dialMarks.marks, 2);
  marksBand(painter, kEngineDials[1].pivot, kEngineDials[1].marks, 40, 110, QColor(40, 170, 60), 3,
            8);
  marksBand(painter, kEngineDials[3].pivot, kEngineDials[3].marks, 60, 90, QColor(40, 170, 60), 3,
            8);
  return image;
}

QImage engineOverlay() {
  QImage image = canvas(135, 132);
  QPainter painter(&image);
  const QColor label(230, 230, 220);
  // Each caption left of its dial's test button.
  text(painter, QRectF(4, 52, 48, 10), "CYL °C", 7, label);
  text(painter, QRectF(70, 52, 48, 10), "OIL °C", 7, label);
  text(painter, QRectF(4, 117, 48, 10), "AMPS", 7, label);
  text(painter, QRectF(70, 117, 48, 10), "OIL PSI", 7, label);
  painter.setPen(QPen(QColor(130, 130, 136), 1));
  painter.drawLine(QPointF(67.5, 4), QPointF(67.5, 128));
  painter.drawLine(QPointF(4, 65.5), QPointF(131, 65.5));
  return image;
}

QImage testButton(bool pressed) {
  QImage image = canvas(13, 13);
  pushButton(image, pressed, QColor(200, 200, 196));
  return image;
}

QImage fuelCover() {
  QImage image = canvas(40, 22);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(48, 48, 52));
  painter.drawRoundedRect(QRectF(0.5, 0.5, 39, 21), 6, 6);
  text(painter, QRectF(0, 0, 40, 11), "FUEL", 8, kMarking);
  text(painter, QRectF(0, 10, 40, 11), "QTY", 7, kMarking);
  return image;
}

QImage redFlag() {
  QImage image = canvas(16, 10);
  flag(image, QColor(200, 30, 26), "");
  return image;
}

QImage flapPlacard() {
  QImage image = canvas(40, 14);
  flag(image, QColor(60, 60, 64), "FLAPS");
  return image;
}

}  // namespace

Bitmaps flightInstrumentBitmaps() {
  return {
      {101, tachometer()},
      {102, needleImage(87, 10, {21, 5}, QColor(238, 238, 232))},
      {103, manifoldPressure()},
      {104, needleImage(98, 18, {32, 9}, QColor(238, 238, 232))},
      {105, smallDial(86, {43, 58}, kFuelMarks)},
      {106, fuelCover()},
      {107, needleImage(51, 8, {10, 4}, QColor(238, 238, 232))},
      {108, flapDial()},
      {109, flapPlacard()},
      {110, altimeter()},
      {111, altitudeHand(92, 8, {33, 4}, false)},
      {112, altitudeHand(72, 12, {31, 6}, true)},
      {113, altitudeHand(86, 10, {30, 5}, false)},
      {114, cap(10)},
      {115, pressureDrum()},
      {116, knobImage(28, 28, -90, QColor(70, 70, 74))},
      {117, knobImage(28, 28, -60, QColor(70, 70, 74))},
      {119, verticalSpeed()},
      {120, needleImage(94, 8, {34, 4}, QColor(238, 238, 232))},
      {121, suction()},
      {122, needleImage(55, 14, {8, 7}, QColor(238, 238, 232))},
      {123, needleImage(55, 14, {8, 7}, QColor(220, 200, 60))},
      {124, airspeed()},
      {125, turnCoordinator()},
      {126, turnAirplane()},
      {127, ball()},
      {128, inclinometerTube()},
      {129, compassBody()},
      {130, compassStrip()},
      {131, compassGlass()},
      {132, engineCluster()},
      {133, engineOverlay()},
      {134, needleImage(51, 8, {17, 4}, QColor(238, 238, 232))},
      {135, testButton(false)},
      {136, testButton(true)},
      {323, redFlag()},
  };
}

}  // namespace gaugeart
