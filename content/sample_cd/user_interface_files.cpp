// UIRES: what the shell's pages read from the CD besides the archives.
#include "cd_parts.h"
#include "file_data.h"

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

}  // namespace

void writeUserInterfaceFiles(const CdFolder& cd) {
  cd.writeFile("UIRES\\QTP_FAQ.HTM", dosText(kFaqPage));

  writeGalleryFiles(cd);
  writeSponsorVideo(cd);
  writePlanesFiles(cd);
}

}  // namespace samplecd
