// UIRES\GALERIA: the gallery's eighteen photographs, their previews and GALERIA.TXT. Every
// photograph is a scene drawn on a 640 x 480 canvas from a few pieces (sky, ground, aircraft,
// people, boxes, buildings); its preview is the same scene drawn small.
#include "cd_parts.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <stdexcept>

#include "content/shell/jpeg_writer.h"
#include "file_data.h"

namespace samplecd {

namespace {

constexpr QSizeF kCanvas(640, 480);
constexpr QSize kPhotoSize(640, 480);
constexpr QSize kPreviewSize(166, 123);

const QColor kWhite(242, 242, 236);
const QColor kBlueTrim(30, 60, 140);
const QColor kRedTrim(170, 30, 30);
const QColor kGlass(70, 100, 130);

void Sky(QPainter& p, QColor top, QColor low, double horizon) {
  QLinearGradient sky(0, 0, 0, horizon);
  sky.setColorAt(0, top);
  sky.setColorAt(1, low);
  p.fillRect(QRectF(0, 0, kCanvas.width(), horizon), sky);
}

void Ground(QPainter& p, QColor far, double horizon) {
  QLinearGradient ground(0, horizon, 0, kCanvas.height());
  ground.setColorAt(0, far);
  ground.setColorAt(1, far.darker(170));
  p.fillRect(QRectF(0, horizon, kCanvas.width(), kCanvas.height() - horizon), ground);
}

void Clouds(QPainter& p, std::initializer_list<QPointF> at) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 210));
  for (const QPointF& c : at) {
    p.drawEllipse(c, 60, 16);
    p.drawEllipse(c + QPointF(-25, -10), 30, 16);
    p.drawEllipse(c + QPointF(20, -14), 34, 20);
  }
}

// Flat-topped buttes along the horizon, as in the red-rock country.
void Rocks(QPainter& p, double horizon, QColor colour, double height) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  for (int i = 0; i < 5; ++i) {
    const double x = 20 + i * 135;
    const double top = horizon - height * (0.55 + 0.45 * ((i * 7) % 5) / 4.0);
    p.drawPolygon(QPolygonF({{x, horizon},
                             {x + 18, top + 12},
                             {x + 30, top},
                             {x + 80, top},
                             {x + 95, top + 14},
                             {x + 120, horizon}}));
  }
}

// A straight strip of concrete running from the viewer to the horizon.
void Strip(QPainter& p, double horizon, double nearWidth, QColor line) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(95, 95, 98));
  const double c = kCanvas.width() / 2;
  p.drawPolygon(QPolygonF({{c - 12, horizon},
                           {c + 12, horizon},
                           {c + nearWidth / 2, kCanvas.height()},
                           {c - nearWidth / 2, kCanvas.height()}}));
  p.setPen(QPen(line, 3, Qt::DashLine));
  p.drawLine(QPointF(c, horizon), QPointF(c, kCanvas.height()));
}

struct Aircraft {
  QPointF at;
  double scale = 1;
  double pitch = 0;  // degrees, nose up
  QColor trim = kBlueTrim;
  const char* registration = "";
  bool gearDown = true;
};

// A single-engine low-wing aircraft from its left side, nose to the right, about 250 px long.
void AircraftSide(QPainter& p, const Aircraft& a) {
  p.save();
  p.translate(a.at);
  p.rotate(-a.pitch);
  p.scale(a.scale, a.scale);
  p.setPen(QPen(QColor(60, 60, 60), 1));
  if (a.gearDown) {
    p.setBrush(QColor(25, 25, 25));
    for (const QPointF wheel : {QPointF(40, 30), QPointF(100, 26)}) {
      p.drawLine(wheel + QPointF(0, -20), wheel);
      p.drawEllipse(wheel, 7, 7);
    }
  }
  p.setBrush(kWhite);
  p.drawPolygon(QPolygonF({{-125, -4}, {-132, -50}, {-114, -50}, {-86, -12}}));
  p.drawRect(QRectF(-136, -6, 52, 6));
  p.drawPolygon(QPolygonF({{-125, -4},
                           {-40, -18},
                           {60, -22},
                           {102, -14},
                           {120, -4},
                           {120, 8},
                           {100, 14},
                           {-40, 10},
                           {-125, 2}}));
  p.setBrush(a.trim);
  p.drawRect(QRectF(-118, -1, 230, 5));
  p.drawPolygon(QPolygonF({{-128, -30}, {-131, -48}, {-115, -48}, {-104, -30}}));
  p.setBrush(kGlass);
  p.drawPolygon(QPolygonF({{14, -20}, {34, -37}, {76, -36}, {92, -20}}));
  p.setBrush(kWhite.darker(115));
  p.drawRoundedRect(QRectF(-10, 4, 100, 10), 5, 5);
  p.setBrush(a.trim);
  p.drawEllipse(QPointF(122, 2), 7, 7);
  p.setBrush(QColor(40, 40, 40, 70));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(126, 2), 4, 34);
  if (*a.registration) {
    p.setPen(Qt::black);
    p.setFont(QFont(QStringLiteral("Sans"), 12, QFont::Bold));
    p.drawText(QRectF(-100, -18, 90, 16), Qt::AlignCenter, QString::fromLatin1(a.registration));
  }
  p.restore();
}

// The same aircraft seen from above, nose up before `heading` turns it clockwise.
void AircraftTop(QPainter& p, QPointF at, double scale, double heading, QColor trim) {
  p.save();
  p.translate(at);
  p.rotate(heading);
  p.scale(scale, scale);
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(kWhite);
  p.drawRoundedRect(QRectF(-110, -12, 220, 30), 8, 8);
  p.drawRoundedRect(QRectF(-40, 66, 80, 16), 5, 5);
  p.drawEllipse(QRectF(-11, -70, 22, 160));
  p.setBrush(trim);
  p.drawRect(QRectF(-110, -4, 14, 16));
  p.drawRect(QRectF(96, -4, 14, 16));
  p.setBrush(kGlass);
  p.drawEllipse(QRectF(-8, -36, 16, 28));
  p.restore();
}

// A person standing, `height` px tall.
void Person(QPainter& p, QPointF feet, double height, QColor clothes, QColor hair) {
  const double u = height / 10;
  p.setPen(Qt::NoPen);
  p.setBrush(clothes.darker(140));
  p.drawRect(QRectF(feet.x() - 1.4 * u, feet.y() - 4.6 * u, 1.2 * u, 4.6 * u));
  p.drawRect(QRectF(feet.x() + 0.2 * u, feet.y() - 4.6 * u, 1.2 * u, 4.6 * u));
  p.setBrush(clothes);
  p.drawRoundedRect(QRectF(feet.x() - 1.8 * u, feet.y() - 8.2 * u, 3.6 * u, 4 * u), u, u);
  p.setBrush(hair);
  p.drawEllipse(QPointF(feet.x(), feet.y() - 9.1 * u), 1.05 * u, 1.15 * u);
  p.setBrush(QColor(225, 185, 150));
  p.drawEllipse(QPointF(feet.x() + 0.2 * u, feet.y() - 9 * u), 0.8 * u, 0.95 * u);
}

// A box in oblique view: its front face and, `depth` px back, its top and right side.
void Box(QPainter& p, QRectF front, double depth, QColor colour) {
  const QPointF back(depth, -depth * 0.6);
  p.setPen(QPen(colour.darker(200), 1));
  p.setBrush(colour.lighter(125));
  p.drawPolygon(QPolygonF(
      {front.topLeft(), front.topLeft() + back, front.topRight() + back, front.topRight()}));
  p.setBrush(colour.darker(130));
  p.drawPolygon(QPolygonF({front.topRight(), front.topRight() + back, front.bottomRight() + back,
                           front.bottomRight()}));
  p.setBrush(colour);
  p.drawRect(front);
}

// An indoor room: a wall and a floor meeting at `floorLine`.
void Room(QPainter& p, QColor wall, double floorLine) {
  p.fillRect(QRectF(0, 0, kCanvas.width(), floorLine), wall);
  Ground(p, QColor(120, 110, 100), floorLine);
}

// A panel of round instruments in `columns` x `rows`.
void Instruments(QPainter& p, QRectF area, int columns, int rows) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(35, 35, 40));
  p.drawRoundedRect(area, 10, 10);
  const double cell = std::min(area.width() / columns, area.height() / rows);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      const QPointF centre = area.topLeft() + QPointF((c + 0.5) * area.width() / columns,
                                                      (r + 0.5) * area.height() / rows);
      p.setPen(QPen(QColor(170, 170, 170), 2));
      p.setBrush(QColor(10, 10, 12));
      p.drawEllipse(centre, cell * 0.4, cell * 0.4);
      p.setPen(QPen(Qt::white, 2));
      p.drawLine(centre, centre + QPointF(cell * 0.3 * ((r + c) % 2 ? 0.7 : -0.5), -cell * 0.25));
    }
}

void Stars(QPainter& p, double horizon) {
  p.setPen(QPen(QColor(255, 255, 230), 2));
  for (int i = 0; i < 60; ++i)
    p.drawPoint(QPointF((i * 97) % 640, (i * 53) % static_cast<int>(horizon)));
}

void Castle(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 120, 60));
  p.drawEllipse(QPointF(320, 470), 380, 190);
  p.setBrush(QColor(215, 205, 185));
  p.drawRect(QRectF(200, 220, 240, 80));
  p.drawRect(QRectF(380, 130, 50, 170));
  for (int x = 200; x < 440; x += 20) p.drawRect(QRectF(x, 210, 10, 10));
  p.setBrush(QColor(150, 60, 50));
  p.drawPolygon(QPolygonF({{372, 130}, {405, 80}, {438, 130}}));
  p.drawPolygon(QPolygonF({{200, 220}, {260, 180}, {320, 220}}));
  p.setBrush(QColor(60, 50, 45));
  for (const double x : {230.0, 280.0, 330.0}) p.drawRect(QRectF(x, 245, 14, 22));
  p.drawRect(QRectF(398, 160, 14, 22));
}

void Books(QPainter& p) {
  Room(p, QColor(120, 80, 50), 400);
  p.setPen(QPen(QColor(40, 25, 15), 1));
  for (const double shelf : {180.0, 390.0}) {
    p.setBrush(QColor(90, 55, 30));
    p.drawRect(QRectF(20, shelf, 600, 12));
    double x = 30;
    for (int i = 0; x < 600; ++i) {
      const double width = 18 + (i * 7) % 16;
      const double height = 120 + (i * 13) % 50;
      p.setBrush(QColor::fromHsv((i * 47) % 360, 150, 150));
      p.drawRect(QRectF(x, shelf - height, width, height));
      p.drawLine(QPointF(x + 3, shelf - height + 20), QPointF(x + width - 3, shelf - height + 20));
      x += width + 2;
    }
  }
}

void BlueBox(QPainter& p, QPointF at) {
  Box(p, QRectF(at, QSizeF(200, 120)), 60, QColor(40, 80, 170));
  p.setPen(QPen(QColor(20, 40, 90), 1));
  p.setBrush(QColor(40, 80, 170));
  p.drawPolygon(QPolygonF({at + QPointF(-60, 20), at + QPointF(0, 10), at + QPointF(0, 30)}));
  p.drawPolygon(QPolygonF({at + QPointF(200, 20), at + QPointF(290, 5), at + QPointF(200, 35)}));
  p.setBrush(kGlass);
  p.drawRect(QRectF(at + QPointF(120, 20), QSizeF(50, 35)));
  p.setBrush(QColor(60, 60, 60));
  p.drawRect(QRectF(at + QPointF(40, 120), QSizeF(120, 40)));
}

struct Scene {
  const char* base;
  void (*draw)(QPainter&);
};

// The gallery in its order on the page.
const Scene kScenes[] = {
    {"F33QTP00",
     [](QPainter& p) {
       Sky(p, QColor(80, 130, 200), QColor(220, 230, 240), 280);
       Ground(p, QColor(150, 150, 145), 280);
       AircraftSide(p, {.at = {260, 300}, .scale = 1.3, .registration = "D-EQTP"});
       Person(p, {470, 420}, 150, QColor(40, 60, 110), QColor(120, 70, 30));
       Person(p, {540, 424}, 145, QColor(160, 40, 50), QColor(230, 200, 120));
     }},
    {"F33QTP01",
     [](QPainter& p) {
       Sky(p, QColor(60, 120, 210), QColor(240, 220, 190), 200);
       Ground(p, QColor(220, 180, 120), 200);
       Rocks(p, 200, QColor(190, 110, 70), 50);
       p.setBrush(QColor(0, 0, 0, 60));
       p.drawEllipse(QPointF(300, 420), 120, 14);
       AircraftSide(p,
                    {.at = {320, 330}, .pitch = -3, .registration = "D-EQTP", .gearDown = false});
     }},
    {"F33QTP02",
     [](QPainter& p) {
       Sky(p, QColor(90, 140, 210), QColor(230, 235, 240), 230);
       Ground(p, QColor(140, 140, 135), 230);
       for (int i = 0; i < 5; ++i)
         AircraftSide(p, {.at = {140.0 + i * 95, 250.0 + i * 40},
                          .scale = 0.45 + i * 0.12,
                          .trim = i % 2 ? kRedTrim : kBlueTrim});
     }},
    {"F33QTP03",
     [](QPainter& p) {
       Sky(p, QColor(70, 120, 200), QColor(225, 230, 240), 270);
       Ground(p, QColor(130, 130, 128), 270);
       AircraftSide(p, {.at = {320, 290}, .scale = 1.8, .trim = kRedTrim, .registration = "PS 55"});
     }},
    {"F33QTP04",
     [](QPainter& p) {
       Sky(p, QColor(40, 60, 140), QColor(250, 170, 110), 300);
       Ground(p, QColor(170, 90, 60), 300);
       Rocks(p, 300, QColor(185, 70, 45), 170);
       AircraftSide(p, {.at = {220, 110}, .scale = 0.6, .gearDown = false});
       AircraftSide(p, {.at = {400, 150}, .scale = 0.6, .trim = kRedTrim, .gearDown = false});
     }},
    {"F33QTP05",
     [](QPainter& p) {
       Sky(p, QColor(50, 100, 200), QColor(200, 220, 240), 400);
       Ground(p, QColor(110, 130, 90), 400);
       Clouds(p, {{110, 90}, {520, 140}, {300, 380}});
       AircraftSide(p,
                    {.at = {320, 230}, .scale = 1.6, .registration = "D-EBON", .gearDown = false});
     }},
    {"PA28QTP00",
     [](QPainter& p) {
       Sky(p, QColor(100, 150, 210), QColor(230, 235, 240), 250);
       Ground(p, QColor(90, 140, 70), 250);
       AircraftSide(p,
                    {.at = {300, 320}, .scale = 1.5, .trim = kRedTrim, .registration = "D-EPAC"});
       Person(p, {520, 430}, 160, QColor(220, 200, 90), QColor(60, 40, 30));
     }},
    {"PA28QTP01",
     [](QPainter& p) {
       Sky(p, QColor(100, 150, 210), QColor(230, 235, 240), 190);
       Ground(p, QColor(90, 140, 70), 190);
       Strip(p, 190, 420, QColor(240, 200, 40));
       AircraftTop(p, {320, 320}, 1.0, 0, kRedTrim);
     }},
    {"PA28QTP02",
     [](QPainter& p) {
       Sky(p, QColor(60, 110, 200), QColor(210, 225, 240), 420);
       Ground(p, QColor(100, 120, 80), 420);
       Clouds(p, {{150, 120}, {480, 330}});
       AircraftSide(p, {.at = {330, 240}, .scale = 1.4, .trim = kRedTrim, .gearDown = false});
     }},
    {"PA28QTP03",
     [](QPainter& p) {
       Sky(p, QColor(70, 120, 210), QColor(235, 225, 210), 360);
       Ground(p, QColor(150, 120, 80), 360);
       Strip(p, 360, 300, Qt::white);
       AircraftSide(p, {.at = {330, 200}, .scale = 1.2, .pitch = 14, .trim = kRedTrim});
     }},
    {"SIM00",
     [](QPainter& p) {
       Room(p, QColor(200, 195, 180), 330);
       BlueBox(p, {200, 200});
     }},
    {"SIM01",
     [](QPainter& p) {
       p.fillRect(QRectF(QPointF(0, 0), kCanvas), QColor(25, 45, 100));
       Instruments(p, QRectF(60, 80, 520, 220), 4, 2);
       p.setPen(QPen(QColor(20, 20, 20), 14, Qt::SolidLine, Qt::RoundCap));
       p.drawLine(QPointF(320, 480), QPointF(320, 380));
       p.drawLine(QPointF(250, 370), QPointF(390, 370));
     }},
    {"SIM02",
     [](QPainter& p) {
       Room(p, QColor(170, 175, 185), 300);
       for (int i = 0; i < 3; ++i) {
         const double x = 40 + i * 200;
         Box(p, QRectF(x, 310, 150, 90), 30, QColor(120, 120, 130));
         Instruments(p, QRectF(x + 10, 200, 130, 80), 3, 2);
       }
     }},
    {"SIM03",
     [](QPainter& p) {
       Sky(p, QColor(5, 8, 30), QColor(30, 40, 80), 330);
       Ground(p, QColor(15, 15, 25), 330);
       Stars(p, 330);
       p.setPen(QPen(QColor(255, 200, 90), 3));
       for (int i = 0; i < 120; ++i) p.drawPoint(QPointF((i * 61) % 640, 335 + (i * 37) % 140));
       AircraftSide(p, {.at = {320, 180}, .scale = 1.0, .gearDown = false});
       p.setPen(Qt::NoPen);
       p.setBrush(Qt::red);
       p.drawEllipse(QPointF(335, 188), 6, 6);
       p.setBrush(Qt::white);
       p.drawEllipse(QPointF(190, 160), 5, 5);
     }},
    {"SIM04",
     [](QPainter& p) {
       Room(p, QColor(190, 190, 195), 340);
       p.setPen(QPen(QColor(90, 90, 100), 8, Qt::SolidLine, Qt::RoundCap));
       for (const auto& [floor, top] :
            {std::pair{180, 220}, {250, 220}, {330, 300}, {400, 300}, {460, 360}, {520, 360}})
         p.drawLine(QPointF(floor, 430), QPointF(top, 250));
       Box(p, QRectF(190, 130, 230, 120), 70, QColor(235, 235, 235));
       p.setPen(Qt::NoPen);
       p.setBrush(kGlass);
       p.drawRect(QRectF(220, 150, 80, 40));
     }},
    {"TRAINING00",
     [](QPainter& p) {
       Sky(p, QColor(90, 140, 210), QColor(225, 235, 245), 380);
       Ground(p, QColor(150, 150, 150), 380);
       p.setPen(Qt::NoPen);
       p.setBrush(QColor(225, 220, 205));
       p.drawRect(QRectF(60, 120, 520, 260));
       p.setBrush(kGlass);
       for (int i = 0; i < 4; ++i) p.drawRect(QRectF(90 + i * 130, 160, 70, 60));
       p.setBrush(QColor(90, 60, 40));
       p.drawRect(QRectF(280, 260, 80, 120));
       p.setBrush(kBlueTrim);
       p.drawRect(QRectF(200, 232, 240, 26));
       p.setPen(Qt::white);
       p.setFont(QFont(QStringLiteral("Sans"), 14, QFont::Bold));
       p.drawText(QRectF(200, 232, 240, 26), Qt::AlignCenter, QStringLiteral("FLUGSCHULE"));
     }},
    {"LIVING00",
     [](QPainter& p) {
       Sky(p, QColor(80, 130, 210), QColor(230, 230, 220), 480);
       Clouds(p, {{120, 80}, {540, 60}});
       Castle(p);
     }},
    {"LIVING02", [](QPainter& p) { Books(p); }},
};

// The descriptions as the authors wrote them: sections by hand, one header in lower case, and
// at the top the section of a picture that has left the gallery. Lines before "[IMAGE 1]" belong
// to no picture, so that section never shows.
constexpr const char* kDescriptions = R"([IMAGE 19]
Die Leuchtenburg im Winter
Dieses Bild ist nicht mehr Teil der Galerie.
[IMAGE 1]
Die ersten Damen im Cockpit
Zwei Pilotinnen der Flugschule vor ihrem ersten gemeinsamen Überlandflug: Die Bonanza ist vollgetankt, die Route nach Sedona geplant, das Wetter bestens.
Foto: Hanne Reuter
[IMAGE 2]
Flugübungen über der Wüste
Tiefflug über der Sonora-Wüste: Hier lernt man, die Maschine auch in turbulenter Luft sauber auf Höhe zu halten.
Foto: Jonas Brandt
[IMAGE 3]
PROP - Parade
Fünf Propellermaschinen in Reihe auf dem Vorfeld, bereit für den morgendlichen Schulbetrieb.
Foto: Hanne Reuter
[IMAGE 4]
Papa Sierra Five Five (PS 55)
Die PS 55 beim Warten auf die Rollfreigabe. Die Kennung hört man im Funk der Flugschule jeden Tag.
Foto: Jonas Brandt
[IMAGE 5]
Wüstenschönheiten
Zwei Bonanzas im Verbandsflug über den roten Felsen, kurz vor Sonnenuntergang.
Foto: Mira Keller
[IMAGE 6]
Die Beech Bonanza
Die F33A im Reiseflug: Einziehfahrwerk, Verstellpropeller und gut 170 Knoten Reisegeschwindigkeit.
Foto: Mira Keller
[IMAGE 7]
AUSSENKONTROLLE
Vor jedem Flug die Außenkontrolle: Ölstand, Kraftstoff, Ruder, Reifen und Propeller werden nach der Checkliste geprüft.
Foto: Jonas Brandt
[IMAGE 8]
TAXI
Die PA28 rollt auf der gelben Mittellinie zum Rollhalt.
Foto: Hanne Reuter
[IMAGE 9]
Im Flug
Die Piper PA28 im ruhigen Reiseflug auf 4500 Fuß.
Foto: Mira Keller
[IMAGE 10]
Climb Out
Steigflug nach dem Start: Fahrt halten, Klappen einfahren, Motorinstrumente im Blick.
Foto: Jonas Brandt
[IMAGE 11]
Die 'BLUE BOX' I
Der klassische Verfahrenstrainer, liebevoll BLUE BOX genannt. Generationen von Instrumentenpiloten haben darin ihre ersten Warteschleifen gedreht.
Foto: Archiv Norvane
[IMAGE 12]
Die 'BLUE BOX' II
Der Blick in das Cockpit der BLUE BOX: die klassischen Rundinstrumente, sonst nichts. Draußen ist es dunkel.
Foto: Archiv Norvane
[IMAGE 13]
Simulatoren
Die Übungsplätze der Flugschule, jeder mit vollständigem Instrumentenbrett.
Foto: Hanne Reuter
[IMAGE 14]
NACHTFLUG
Nachtflug im Simulator: Positionslichter, Sterne und die Lichter der Stadt unter der Tragfläche.
Foto: Mira Keller
[IMAGE 15]
FULL MOTION
Ein Simulator mit Bewegungssystem: Sechs Hydraulikbeine bewegen die Kabine in alle Richtungen.
Foto: Archiv Norvane
[IMAGE 16]
ENTRY
Der Eingang der Flugschule. Hier beginnt jede Ausbildung.
Foto: Jonas Brandt
[IMAGE 17]
LEUCHTENBURG
Die Leuchtenburg auf ihrem Berg, ein beliebtes Ziel für Rundflüge am Wochenende.
Foto: Hanne Reuter
[image 18]
BÜCHER
Ohne Theorie kein Schein: Luftrecht, Navigation, Meteorologie und Technik stehen im Regal der Flugschule.
Foto: Mira Keller
)";

void WriteScene(const CdFolder& cd, const std::string& cdPath, const Scene& scene, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  // Edges that fall between pixels blend with what lies below, so that must be defined.
  image.fill(Qt::black);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / kCanvas.width(), size.height() / kCanvas.height());
    scene.draw(painter);
  }
  const auto path = cd.hostPath(cdPath);
  std::filesystem::create_directories(path.parent_path());
  QString why;
  if (!content::writeJpeg(image, QString::fromStdString(path.string()), 85, &why))
    throw std::runtime_error("cannot write " + path.string() + ": " + why.toStdString());
}

}  // namespace

void writeGalleryFiles(const CdFolder& cd) {
  for (const Scene& scene : kScenes) {
    const std::string name = std::string(scene.base) + ".JPG";
    WriteScene(cd, "UIRES\\GALERIA\\" + name, scene, kPhotoSize);
    WriteScene(cd, "UIRES\\GALERIA\\PREV\\" + name, scene, kPreviewSize);
  }
  cd.writeFile("UIRES\\GALERIA\\GALERIA.TXT", dosText(kDescriptions));
}

}  // namespace samplecd
