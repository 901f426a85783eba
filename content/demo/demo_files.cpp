#include "demo_files.h"

namespace demo {

namespace {

constexpr const char* kSystemReg = R"(WINE REGISTRY Version 2
;; All keys relative to \\Machine

#arch=win32

[Software\\Microsoft\\Microsoft Games\\Flight Simulator\\6.1] 1700000000
"Path"="C:\\Program Files\\Microsoft Games\\FS98"

[Software\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0] 1700000000
"Path"="C:\\Program Files\\Microsoft Games\\FS2000"

[Software\\Wine\\Drives] 1700000000
"d:"="cdrom"
)";

constexpr const char* kSceneryCfg = R"([General]
Title=FS2000 World Scenery
Description=FS2000 Scenery Data
Clean_on_Exit=TRUE

[Area.001]
Title=Default Terrain
Local=Scenery\World
Layer=1
Active=TRUE
Required=TRUE

[Area.002]
Title=Default Scenery
Local=Scenery\Base
Layer=2
Active=TRUE
Required=TRUE

[Area.003]
Title=Global Landclass
Local=Scenery\Global
Layer=3
Active=TRUE
Required=FALSE

[Area.004]
Title=Addon Scenery
Local=Addon Scenery
Layer=4
Active=TRUE
Required=FALSE
)";

constexpr const char* kWorldVis = R"(; World.vis
[World]
Scenery=Scenery\World\*.BGL
)";

constexpr const char* kFs2000Launcher = R"(#!/bin/sh
# Demo stand-in for the simulator's program file.
echo "Flight Simulator 2000 (Demo) gestartet $*"
)";

constexpr const char* kFs98Launcher = R"(#!/bin/sh
# Demo stand-in for the simulator's program file.
echo "Flight Simulator 98 (Demo) gestartet $*"
)";

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

constexpr DemoFile kFiles[] = {
    {"system.reg", kSystemReg, FileKind::Text},
    {"drive_c/Program Files/Microsoft Games/FS2000/FS2000.EXE", kFs2000Launcher,
     FileKind::Executable},
    {"drive_c/Program Files/Microsoft Games/FS2000/SCENERY.CFG", kSceneryCfg, FileKind::DosText},
    {"drive_c/Program Files/Microsoft Games/FS98/FLTSIM98.EXE", kFs98Launcher,
     FileKind::Executable},
    {"drive_c/Program Files/Microsoft Games/FS98/Scenery/World.vis", kWorldVis, FileKind::DosText},
    {"cdrom/UIRES/QTP_FAQ.HTM", kFaqPage, FileKind::DosText},
};

// Drive letters as Wine names them; "d::" names the device behind D:, which marks it as a CD-ROM.
constexpr DemoLink kLinks[] = {
    {"dosdevices/c:", "../drive_c"},
    {"dosdevices/z:", "/"},
    {"dosdevices/d:", "../cdrom"},
    {"dosdevices/d::", "/dev/null"},
};

constexpr const char* kFolders[] = {
    "drive_c/windows",
    "drive_c/Program Files/Microsoft Games/FS2000/Gauges",
    "drive_c/Program Files/Microsoft Games/FS2000/Aircraft",
    "drive_c/Program Files/Microsoft Games/FS98/Aircraft",
};

}  // namespace

std::span<const DemoFile> demoFiles() {
  return kFiles;
}
std::span<const DemoLink> demoLinks() {
  return kLinks;
}
std::span<const char* const> demoFolders() {
  return kFolders;
}

}  // namespace demo
