#include "shell/simulators.h"

#include <algorithm>

namespace {

constexpr FolderPlace kFs2000Places[] = {
    {"SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0", "Path", 0},
};

constexpr FolderPlace kFs98Places[] = {
    {"SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\6.1", "Path", 0},
    {"Software\\Microsoft\\Games\\Flight Simulator\\6.0", "InstalledTo", 0},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Flight Simulator 98",
     "UninstallString", 24},
    {"Software\\CLASSES\\flight simulator", "defaulticon", 14},
};

const Simulator kSimulators[] = {
    {.version = 2000,
     .folderPath = &ProgramState::FS2000Path,
     .programFile = "FS2000.EXE",
     .folderPlaces = kFs2000Places,
     .cdFolder = "FS2000\\",
     .folderMissing = "Kann das FS2000 Verzeichnis nicht finden, breche ab!",
     .trainingFlag = "QTP2K",
     .training = &TInstallState::QTP2K,
     .aircraftFlag = "AC2K",
     .aircraft = &TInstallState::AC2K,
     .sceneryFlag = "SC2K",
     .scenery = &TInstallState::SC2K,
     .sceneryRegistration = SceneryRegistration::SceneryCfg,
     .sceneryResolutions = true,
     .sceneryKB = 30720,
     .aircraftFiles = {102, 98, 118, 85},
     .sceneryFiles = 4846,
     .trainingFiles = 1457},
    {.version = 98,
     .folderPath = &ProgramState::FS98Path,
     .programFile = "FLTSIM98.EXE",
     .folderPlaces = kFs98Places,
     .cdFolder = "FS98\\",
     .folderMissing = "Kann das FS98 Verzeichnis nicht finden, breche ab!",
     .trainingFlag = "QTP98",
     .training = &TInstallState::QTP98,
     .aircraftFlag = "AC98",
     .aircraft = &TInstallState::AC98,
     .sceneryFlag = "SC98",
     .scenery = &TInstallState::SC98,
     .sceneryRegistration = SceneryRegistration::WorldVis,
     .sceneryResolutions = false,
     .sceneryKB = 344064,
     .aircraftFiles = {79, 75, 117, 93},
     .sceneryFiles = 4846,
     .trainingFiles = 1434},
};

}  // namespace

std::span<const Simulator> Simulators() {
  return kSimulators;
}

const Simulator* simulatorFor(int version) {
  const auto found = std::find_if(std::begin(kSimulators), std::end(kSimulators),
                                  [version](const Simulator& s) { return s.version == version; });
  return found == std::end(kSimulators) ? nullptr : found;
}

QString SimulatorFolder(int version) {
  const Simulator* simulator = simulatorFor(version);
  return simulator ? simulator->folder() : QString();
}

QStringList ComponentNames(const Simulator& simulator, bool training, bool scenery,
                           const bool (&aircraft)[4]) {
  QStringList names;
  if (training) names << QString::fromLatin1(simulator.trainingFlag);
  if (scenery) names << QString::fromLatin1(simulator.sceneryFlag);
  for (int n = 1; n <= 4; ++n)
    if (aircraft[n - 1]) names << simulator.aircraftName(n);
  return names;
}
