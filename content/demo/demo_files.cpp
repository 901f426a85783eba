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
[Scenery]
Title=Default Scenery
Files=C:\Program Files\Microsoft Games\FS98\Scenery\World\*.BGL
Active=TRUE
)";

constexpr DemoFile kFiles[] = {
    {"system.reg", kSystemReg, FileKind::Text},
    {"drive_c/Program Files/Microsoft Games/FS2000/FS2000.EXE", "Flight Simulator 2000",
     FileKind::Launcher},
    {"drive_c/Program Files/Microsoft Games/FS2000/SCENERY.CFG", kSceneryCfg, FileKind::DosText},
    {"drive_c/Program Files/Microsoft Games/FS98/FLTSIM98.EXE", "Flight Simulator 98",
     FileKind::Launcher},
    {"drive_c/Program Files/Microsoft Games/FS98/Scenery/World.vis", kWorldVis, FileKind::DosText},
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
    "drive_c/Program Files/Microsoft Games/FS98/Gauges",
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
