// UIRES\PLANES and UIRES\SCENERY: the aircraft page's plane and cockpit pictures with their
// previews and PLANES.TXT, and the scenery page's two Arizona pictures. Every picture is drawn on
// a 640 x 480 canvas and scaled to its size, so a preview is its large picture made small.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

#include "cd_parts.h"
#include "content/shell/jpeg_writer.h"
#include "file_data.h"
#include "pages/planes_table.h"

namespace samplecd {

namespace {

constexpr QSize kPictureSize(640, 480);
constexpr QSize kPreviewSize(166, 123);

// How each aircraft of the page's table is drawn, in the same order.
struct PlaneArt {
  const char* registration;
  double length;     // fuselage, canvas pixels
  int sideWindows;   // behind the windscreen
  bool fixedGear;    // fixed gear with wheel fairings; otherwise retracted in flight
  bool throwOver;    // a single throw-over yoke instead of two
  QColor stripe;     // livery
  QColor panel;      // instrument panel
  const char* text;  // the PLANES.TXT section, one line per sentence
};

const QColor kWhite(246, 246, 242);

// In the aircraft page's order; aircraft 1's text is also the page's built-in one.
const PlaneArt kPlaneArt[] = {
    {"D-EQTP", 380, 2, true, false, QColor(190, 30, 30), QColor(40, 40, 44),
     kFirstPlaneDescription},
    {"D-ENVA", 380, 2, true, false, QColor(30, 60, 150), QColor(110, 112, 118),
     "Die PA28-181 als Serienmaschine, wie sie bei Vereinen und Charterfirmen in ganz Europa "
     "fliegt.\n"
     "Die Grundausstattung: ein NAV/COM-Gerät, ein ADF und ein Transponder.\n"
     "Robust, sparsam und leicht zu fliegen, ist sie das Reiseflugzeug für die ganze "
     "Familie.\n"
     "Vier Sitze, 50 Gallonen Kraftstoff und 120 Knoten Reisegeschwindigkeit."},
    {"D-EFTP", 400, 3, false, true, QColor(150, 110, 40), QColor(60, 52, 44),
     "Die Beechcraft F33A Bonanza der Flugschule: ein schneller, viersitziger Reisetiefdecker "
     "mit Einziehfahrwerk und Verstellpropeller.\n"
     "Motor: Sechszylinder-Boxer mit 285 PS.\n"
     "Reisegeschwindigkeit: 165 Knoten, Reichweite: rund 800 NM.\n"
     "Mit ihr üben Sie Fahrwerk, Ladedruck und Drehzahl und den Instrumentenflug mit "
     "vollständiger IFR-Ausrüstung."},
    {"D-EBAN", 440, 4, false, true, QColor(20, 40, 90), QColor(150, 140, 120),
     "Die Beechcraft A36 Bonanza als Serienmaschine: die sechssitzige Bonanza mit verlängertem "
     "Rumpf und doppelter Frachttür.\n"
     "Motor: Sechszylinder-Boxer mit 300 PS, Dreiblatt-Verstellpropeller.\n"
     "Reisegeschwindigkeit: 170 Knoten, Reichweite: rund 750 NM.\n"
     "Komfortabel und leistungsstark, ein Reiseflugzeug für lange Strecken."},
};

struct Mesa {
  double left, width, height;  // on the horizon; the top is narrower than the foot
  QColor rock;
};

const std::vector<Mesa> kDistantMesas = {
    {20, 150, 40, QColor(176, 96, 70)},
    {300, 110, 28, QColor(160, 90, 72)},
    {470, 160, 48, QColor(182, 104, 74)},
};

const std::vector<Mesa> kRedRock = {
    {-40, 260, 170, QColor(178, 72, 40)}, {180, 90, 230, QColor(196, 86, 46)},
    {290, 200, 120, QColor(160, 64, 38)}, {450, 110, 200, QColor(188, 80, 44)},
    {540, 160, 140, QColor(170, 70, 42)},
};

const std::vector<Mesa> kAirfieldMesas = {
    {-20, 220, 90, QColor(184, 92, 56)},
    {260, 140, 60, QColor(170, 84, 56)},
    {420, 240, 110, QColor(190, 98, 58)},
};

void fillSky(QPainter& painter, double horizon, QColor top, QColor low) {
  QLinearGradient sky(0, 0, 0, horizon);
  sky.setColorAt(0, top);
  sky.setColorAt(1, low);
  painter.fillRect(QRectF(0, 0, 640, horizon), sky);
}

void fillDesert(QPainter& painter, double horizon) {
  QLinearGradient ground(0, horizon, 0, 480);
  ground.setColorAt(0, QColor(214, 170, 120));
  ground.setColorAt(1, QColor(170, 110, 70));
  painter.fillRect(QRectF(0, horizon, 640, 480 - horizon), ground);
}

// Flat-topped rock standing on the horizon, with light bands of its layers.
void drawMesas(QPainter& painter, double horizon, const std::vector<Mesa>& mesas) {
  painter.setPen(Qt::NoPen);
  for (const Mesa& m : mesas) {
    const double inset = m.width * 0.18;
    const QPolygonF rock({{m.left, horizon},
                          {m.left + inset, horizon - m.height},
                          {m.left + m.width - inset, horizon - m.height},
                          {m.left + m.width, horizon}});
    painter.setBrush(m.rock);
    painter.drawPolygon(rock);
    painter.setBrush(m.rock.lighter(118));
    for (double band = 0.25; band < 1; band += 0.3) {
      const double y = horizon - m.height * band;
      const double in = inset * band;
      painter.drawRect(QRectF(m.left + in, y - m.height * 0.05, m.width - 2 * in, m.height * 0.05));
    }
  }
}

QFont BoldFont(const char* family, double pixels) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(static_cast<int>(pixels));
  font.setBold(true);
  return font;
}

// Text as outlines, which shrink with the canvas into a preview exactly as the drawing around
// them does.
void drawLabel(QPainter& painter, QPointF baseline, const QFont& font, const char* text,
               QColor colour) {
  QPainterPath path;
  path.addText(baseline, font, QString::fromLatin1(text));
  painter.fillPath(path, colour);
}

// The aircraft from its left side in flight, nose to the left. Units are fractions of the
// fuselage length along it and of its height across it.
void drawPlane(QPainter& painter, const PlaneArt& art) {
  const double length = art.length;
  const double height = length * 0.2;
  const QPointF nose(320 - length / 2, 220);
  auto at = [&](double x, double y) { return nose + QPointF(x * length, y * height); };
  auto shape = [&](std::initializer_list<std::pair<double, double>> points) {
    QPolygonF polygon;
    for (const auto& [x, y] : points) polygon << at(x, y);
    return polygon;
  };
  painter.setPen(QPen(QColor(90, 90, 90), 1.5));
  painter.setBrush(kWhite.darker(112));  // the far wing
  painter.drawPolygon(shape({{0.3, 0.1}, {0.36, -0.05}, {0.5, -0.05}, {0.5, 0.1}}));
  painter.setBrush(kWhite);
  painter.drawPolygon(shape({{0.86, -0.25}, {0.93, -1.05}, {1.02, -1.05}, {1.04, -0.2}}));
  painter.drawPolygon(shape({{0.86, -0.15}, {1.06, -0.22}, {1.07, -0.08}, {0.88, -0.05}}));
  QPainterPath body(at(0.0, -0.02));
  body.quadTo(at(0.02, -0.3), at(0.2, -0.36));
  body.lineTo(at(0.28, -0.4));
  body.lineTo(at(0.4, -0.74));
  body.lineTo(at(0.62, -0.72));
  body.lineTo(at(1.04, -0.25));
  body.lineTo(at(1.04, -0.05));
  body.lineTo(at(0.6, 0.32));
  body.lineTo(at(0.25, 0.4));
  body.quadTo(at(0.05, 0.38), at(0.0, -0.02));
  painter.drawPath(body);
  painter.setPen(Qt::NoPen);
  painter.setBrush(art.stripe);
  painter.drawPolygon(shape({{0.12, -0.12}, {1.03, -0.2}, {1.03, -0.1}, {0.12, 0.02}}));
  painter.drawPolygon(shape({{0.9, -0.7}, {0.92, -0.86}, {1.02, -0.86}, {1.03, -0.7}}));
  painter.setBrush(QColor(40, 60, 80));
  painter.drawPolygon(shape({{0.29, -0.4}, {0.39, -0.68}, {0.43, -0.68}, {0.43, -0.4}}));
  for (int i = 0; i < art.sideWindows; ++i) {
    const double left = 0.45 + i * 0.085;
    painter.drawRoundedRect(QRectF(at(left, -0.66), at(left + 0.07, -0.42)), 4, 4);
  }
  painter.setPen(QPen(QColor(70, 70, 70), 2));
  painter.setBrush(kWhite.darker(105));  // the near wing, under the cabin
  painter.drawRoundedRect(QRectF(at(0.24, 0.22), at(0.58, 0.42)), 6, 6);
  if (art.fixedGear) {
    for (const auto& [x, leg] : {std::pair{0.09, 0.85}, std::pair{0.42, 0.95}}) {
      painter.drawLine(at(x, 0.3), at(x, leg));
      painter.setBrush(art.stripe);
      painter.drawEllipse(QRectF(at(x - 0.04, leg - 0.25), at(x + 0.05, leg + 0.2)));
    }
  } else {
    painter.drawLine(at(0.07, 0.3), at(0.16, 0.3));  // closed gear doors
    painter.drawLine(at(0.36, 0.41), at(0.48, 0.41));
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(120, 120, 120, 90));  // the turning propeller
  painter.drawEllipse(QRectF(at(-0.03, -0.9), at(0.0, 0.86)));
  painter.setBrush(art.stripe.darker(130));
  painter.drawEllipse(QRectF(at(-0.03, -0.1), at(0.04, 0.06)));
  drawLabel(painter, at(0.46, -0.2), BoldFont("Sans", height * 0.2), art.registration,
            QColor(30, 30, 30));
}

void paintPlane(QPainter& painter, const PlaneArt& art) {
  fillSky(painter, 360, QColor(40, 100, 190), QColor(200, 225, 245));
  drawMesas(painter, 360, kDistantMesas);
  fillDesert(painter, 360);
  drawPlane(painter, art);
}

// A round instrument: black face, ticks around, one needle at `turn` of a full circle.
void drawInstrument(QPainter& painter, QPointF centre, double radius, double turn) {
  painter.setPen(QPen(QColor(20, 20, 20), 3));
  painter.setBrush(QColor(12, 12, 14));
  painter.drawEllipse(centre, radius, radius);
  painter.setPen(QPen(Qt::white, 2));
  for (int i = 0; i < 12; ++i) {
    const double a = i * std::numbers::pi / 6;
    const QPointF d(std::sin(a), -std::cos(a));
    painter.drawLine(centre + d * radius * 0.78, centre + d * radius * 0.92);
  }
  const double a = turn * 2 * std::numbers::pi;
  painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(centre, centre + QPointF(std::sin(a), -std::cos(a)) * radius * 0.75);
}

// Attitude indicator: sky over ground, wings level.
void drawAttitude(QPainter& painter, QPointF centre, double radius) {
  painter.setPen(QPen(QColor(20, 20, 20), 3));
  painter.setBrush(QColor(60, 130, 210));
  painter.drawEllipse(centre, radius, radius);
  painter.setBrush(QColor(130, 80, 40));
  painter.drawChord(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                    180 * 16, 180 * 16);
  painter.setPen(QPen(QColor(250, 200, 0), 4));
  painter.drawLine(centre + QPointF(-radius * 0.5, 0), centre + QPointF(radius * 0.5, 0));
}

// A ram's-horn yoke: a bar with two grips on its column.
void drawYoke(QPainter& painter, QPointF centre) {
  painter.setPen(QPen(QColor(25, 25, 25), 16, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(centre, centre + QPointF(0, 80));
  painter.setPen(QPen(QColor(35, 35, 35), 14, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(centre + QPointF(-60, 0), centre + QPointF(60, 0));
  painter.drawLine(centre + QPointF(-60, 0), centre + QPointF(-60, -45));
  painter.drawLine(centre + QPointF(60, 0), centre + QPointF(60, -45));
}

void paintCockpit(QPainter& painter, const PlaneArt& art) {
  fillSky(painter, 170, QColor(50, 110, 200), QColor(210, 230, 245));
  drawMesas(painter, 170, kDistantMesas);
  fillDesert(painter, 170);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(20, 20, 22));  // glareshield
  painter.drawRoundedRect(QRectF(-20, 180, 680, 60), 30, 30);
  painter.setBrush(art.panel);
  painter.drawRect(QRectF(0, 215, 640, 265));
  constexpr double kTurns[] = {0.3, 0, 0.55, 0.12, 0.0, 0.7};  // the six, row by row
  for (int i = 0; i < 6; ++i) {
    const QPointF centre(110 + (i % 3) * 90, 275 + (i / 3) * 88);
    if (i == 1)
      drawAttitude(painter, centre, 38);
    else
      drawInstrument(painter, centre, 38, kTurns[i]);
  }
  for (int i = 0; i < 4; ++i) drawInstrument(painter, QPointF(410 + i * 55, 420), 22, 0.1 * i);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(15, 15, 15));  // radio stack
  painter.drawRect(QRectF(390, 240, 232, 130));
  const char* frequencies[] = {"118.30  121.50", "110.30  114.50", "ADF 350  XPDR 7000"};
  for (int i = 0; i < 3; ++i)
    drawLabel(painter, QPointF(400, 272 + i * 40), BoldFont("Monospace", 17), frequencies[i],
              QColor(90, 240, 120));
  drawYoke(painter, QPointF(200, 400));
  if (art.throwOver) {
    painter.setPen(QPen(QColor(25, 25, 25), 16, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(200, 430), QPointF(320, 470));  // the arm to the centre column
    painter.drawLine(QPointF(320, 470), QPointF(320, 500));
  } else {
    drawYoke(painter, QPointF(470, 400));
  }
}

void paintRedRock(QPainter& painter) {
  fillSky(painter, 300, QColor(60, 120, 200), QColor(240, 210, 170));
  fillDesert(painter, 300);
  drawMesas(painter, 300, kRedRock);
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 40; ++i) {  // juniper and sage
    painter.setBrush(QColor(70 + (i * 13) % 40, 110, 60));
    painter.drawEllipse(QPointF((i * 97) % 640, 320 + (i * 53) % 150), 6 + i % 5, 4 + i % 3);
  }
}

void paintAirfield(QPainter& painter) {
  fillSky(painter, 230, QColor(40, 100, 190), QColor(220, 230, 240));
  drawMesas(painter, 230, kAirfieldMesas);
  fillDesert(painter, 230);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(70, 70, 74));
  painter.drawPolygon(QPolygonF({{300, 232}, {340, 232}, {560, 480}, {80, 480}}));
  painter.setBrush(Qt::white);
  for (double t = 0.1; t < 0.9; t += 0.16) {  // centre line, nearer dashes longer
    const double y = 232 + 248 * t * t;
    painter.drawRect(QRectF(318, y, 4, 6 + 30 * t));
  }
  for (int i = 0; i < 6; ++i) painter.drawRect(QRectF(120 + i * 18, 450, 10, 26));
  for (int i = 0; i < 6; ++i) painter.drawRect(QRectF(412 + i * 18, 450, 10, 26));
  painter.setBrush(QColor(200, 200, 205));  // hangar and windsock pole
  painter.drawRect(QRectF(470, 240, 90, 28));
  painter.setBrush(QColor(150, 40, 30));
  painter.drawPolygon(QPolygonF({{465, 242}, {515, 226}, {565, 242}}));
  painter.setBrush(QColor(240, 120, 20));
  painter.drawPolygon(QPolygonF({{150, 250}, {178, 254}, {178, 262}, {150, 260}}));
  painter.setPen(QPen(QColor(60, 60, 60), 2));
  painter.drawLine(QPointF(150, 250), QPointF(150, 290));
}

template <class Paint>
void writePicture(const CdFolder& cd, const std::string& cdPath, QSize size, Paint paint) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::black);  // scaled edges blend with what lies below them
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / 640.0, size.height() / 480.0);
    paint(painter);
  }
  const auto path = cd.hostPath(cdPath);
  std::filesystem::create_directories(path.parent_path());
  QString why;
  if (!content::writeJpeg(image, QString::fromStdString(path.string()), 88, &why))
    throw std::runtime_error("cannot write " + path.string() + ": " + why.toStdString());
}

template <class Paint>
void writeWithPreview(const CdFolder& cd, const std::string& name, Paint paint) {
  writePicture(cd, "UIRES\\PLANES\\" + name + ".JPG", kPictureSize, paint);
  writePicture(cd, "UIRES\\PLANES\\PREV\\" + name + ".JPG", kPreviewSize, paint);
}

}  // namespace

void writePlanesFiles(const CdFolder& cd) {
  std::string text;
  int number = 0;
  static_assert(std::size(kPlaneArt) == kPlanes.size());
  for (std::size_t i = 0; i < kPlanes.size(); ++i) {
    const PlaneArt& art = kPlaneArt[i];
    writeWithPreview(cd, kPlanes[i].plane, [&](QPainter& p) { paintPlane(p, art); });
    writeWithPreview(cd, kPlanes[i].cockpit, [&](QPainter& p) { paintCockpit(p, art); });
    // Headers count in any letter case; the second is written as a person might type it.
    ++number;
    text += (number == 2 ? "[sim " : "[SIM ") + std::to_string(number) + "]\n" + art.text + "\n";
  }
  cd.writeFile(kPlanesTextPath, dosText(text));
  writePicture(cd, "UIRES\\SCENERY\\SCENERYAZ01.JPG", kPictureSize, paintRedRock);
  writePicture(cd, "UIRES\\SCENERY\\SCENERYAZ02.JPG", kPictureSize, paintAirfield);
}

}  // namespace samplecd
