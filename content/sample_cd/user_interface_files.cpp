// UIRES: what the shell's pages read from the CD besides the archives.
#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <stdexcept>
#include <vector>

#include "avi_writer.h"
#include "cd_parts.h"
#include "content/shell/jpeg_writer.h"
#include "file_data.h"
#include "gallery_files.h"

namespace samplecd {

namespace {

constexpr const char* kFaqPage = R"(<!DOCTYPE html>
<html lang="de">
<head>
<meta charset="utf-8">
<title>QTP - Häufige Fragen</title>
</head>
<body>
<h1>QTP - Häufige Fragen</h1>
<h2>Welche Flugsimulatoren werden unterstützt?</h2>
<p>Flight Simulator 98 und Flight Simulator 2000.</p>
<h2>Warum fragt die Flugschule nach der Installation?</h2>
<p>Die Flugschule braucht alle Komponenten (Flugzeuge, Szenerie und Training) für denselben
Flugsimulator. Installieren Sie fehlende Teile über die Seiten Flugzeuge und Szenerie.</p>
<h2>Wo trage ich den Abschlusscode einer Lektion ein?</h2>
<p>Am Ende jeder Lektion nennt Ihnen der Fluglehrer einen Code. Geben Sie ihn auf der Seite
der Flugschule bei der Lektion ein.</p>
<h2>Die QTP-CD wird nicht gefunden.</h2>
<p>Legen Sie die CD ein und wählen Sie im Dialog das richtige CD-ROM Laufwerk.</p>
</body>
</html>
)";

// The aircraft page's pictures (plane, cockpit) and descriptions, by aircraft number.
struct PlanePictures {
  const char* plane;
  const char* cockpit;
  const char* description;
};

constexpr PlanePictures kPlanes[] = {
    {"PA28_00", "PA28COC_pp00_goodyear",
     "Die Piper PA28-181 der Flugschule, ausgestattet mit Doppelsteuer und IFR-Avionik."},
    {"PA28plane_01", "PA28COC_pp02_goodyear",
     "Die Piper PA28-181 als Serienmaschine: robust, gutmütig, ideal für die Ausbildung."},
    {"F33A_03", "F33Acoc_06",
     "Die Beechcraft F33A Bonanza der Flugschule mit Einziehfahrwerk und Verstellpropeller."},
    {"A36plane_00", "A36COC_02",
     "Die Beechcraft A36 Bonanza als Serienmaschine, sechssitzig und schnell."},
};

constexpr const char* kSceneryPictures[] = {"SCENERYAZ01", "SCENERYAZ02"};

constexpr QSize kPictureSize(640, 480);
constexpr QSize kPreviewSize(166, 123);

// A landscape under a sky with an aircraft in it; every name gets its own colours and place.
QImage picture(const std::string& name, QSize size) {
  const std::uint32_t seed = nameSeed(name);
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const int horizon = size.height() * (55 + static_cast<int>(seed % 20)) / 100;
  QLinearGradient sky(0, 0, 0, horizon);
  sky.setColorAt(0, QColor::fromHsv(200 + static_cast<int>(seed % 30), 180, 200));
  sky.setColorAt(1, QColor::fromHsv(30, 60, 250));
  painter.fillRect(0, 0, size.width(), horizon, sky);
  QLinearGradient ground(0, horizon, 0, size.height());
  ground.setColorAt(0, QColor::fromHsv(15 + static_cast<int>((seed >> 8) % 20), 150, 190));
  ground.setColorAt(1, QColor::fromHsv(20, 200, 90));
  painter.fillRect(0, horizon, size.width(), size.height() - horizon, ground);
  const double scale = size.width() / 640.0;
  const double x = scale * (120 + static_cast<int>((seed >> 12) % 400));
  const double y = scale * (60 + static_cast<int>((seed >> 20) % 120));
  const QPolygonF plane({{x - 60 * scale, y},
                         {x + 60 * scale, y - 4 * scale},
                         {x + 70 * scale, y + 2 * scale},
                         {x - 50 * scale, y + 8 * scale}});
  const QPolygonF wing({{x - 5 * scale, y - 30 * scale},
                        {x + 15 * scale, y - 30 * scale},
                        {x + 10 * scale, y + 34 * scale},
                        {x - 10 * scale, y + 34 * scale}});
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(245, 245, 240));
  painter.drawPolygon(plane);
  painter.drawPolygon(wing);
  return image;
}

void writePicture(const CdFolder& cd, const std::string& cdPath, const std::string& name,
                  QSize size) {
  const auto path = cd.hostPath(cdPath);
  std::filesystem::create_directories(path.parent_path());
  QString why;
  if (!content::writeJpeg(picture(name, size), QString::fromStdString(path.string()), 85, &why))
    throw std::runtime_error("cannot write " + path.string() + ": " + why.toStdString());
}

void writePictureWithPreview(const CdFolder& cd, const std::string& folder,
                             const std::string& base) {
  writePicture(cd, folder + base + ".JPG", base, kPictureSize);
  writePicture(cd, folder + "PREV\\" + base + ".JPG", base, kPreviewSize);
}

std::vector<QImage> videoFrames() {
  std::vector<QImage> frames;
  for (int i = 0; i < 24; ++i)
    frames.push_back(picture("QTP_D2 " + std::to_string(i % 6), QSize(160, 120)));
  return frames;
}

}  // namespace

void writeUserInterfaceFiles(const CdFolder& cd) {
  cd.writeFile("UIRES\\QTP_FAQ.HTM", dosText(kFaqPage));

  writeGalleryFiles(cd);
  cd.writeFile("UIRES\\GALERIA\\QTP_D2.AVI", aviVideo(videoFrames(), 8));

  std::string planes;
  int number = 0;
  for (const PlanePictures& plane : kPlanes) {
    writePictureWithPreview(cd, "UIRES\\PLANES\\", plane.plane);
    writePictureWithPreview(cd, "UIRES\\PLANES\\", plane.cockpit);
    planes += "[SIM " + std::to_string(++number) + "]\n" + plane.description + "\n";
  }
  cd.writeFile("UIRES\\PLANES\\PLANES.TXT", dosText(planes));

  for (const char* scenery : kSceneryPictures)
    writePicture(cd, std::string("UIRES\\SCENERY\\") + scenery + ".JPG", scenery, kPictureSize);
}

}  // namespace samplecd
