#pragma once
// The two simulators the product installs into, and everything that differs between them. The
// program keeps the chosen one as a version number (SimVersion: 98 or 2000); simulatorFor is the
// one place that turns it into a simulator, and any other number is no simulator at all.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>

#include "shell/program_state.h"

// How a simulator is told of the product's scenery area.
enum class SceneryRegistration {
  SceneryCfg,  // an area entry appended to SCENERY.CFG
  WorldVis,    // an entry in Scenery\World.vis
};

// A registry value that may name a simulator's folder, with the number of characters that follow
// the folder in the value.
struct FolderPlace {
  const char* key;
  const char* value;
  int cut;
};

struct Simulator {
  int version;
  QString ProgramState::*folderPath;  // where detection left its folder
  const char* programFile;
  std::span<const FolderPlace> folderPlaces;  // in the order detection consults them
  const char* cdFolder;                       // of its own archives on the CD
  const char* folderMissing;                  // the message when its folder has gone

  // Its install flags: the names in the product key (an aircraft's name is followed by its
  // number 1 to 4) and the fields of InstallState.
  const char* trainingFlag;
  bool TInstallState::*training;
  const char* aircraftFlag;
  bool (TInstallState::*aircraft)[4];
  const char* sceneryFlag;
  bool TInstallState::*scenery;

  SceneryRegistration sceneryRegistration;
  bool sceneryResolutions;  // whether its scenery comes in three texture resolutions

  // What its components take: KB of the scenery, and the archive members of each component.
  std::int64_t sceneryKB;
  std::int32_t aircraftFiles[4];
  std::int32_t sceneryFiles;
  std::int32_t trainingFiles;

  QString& folder() const { return programState.*folderPath; }
  QString aircraftName(int number) const {
    return QString::fromLatin1(aircraftFlag) + QString::number(number);
  }
};

// Both simulators, Flight Simulator 2000 first.
std::span<const Simulator> Simulators();

// The simulator of a version number; null for any number but 98 and 2000.
const Simulator* simulatorFor(int version);

// The names the product key gives these components of the simulator: training, scenery, then the
// aircraft 1 to 4, such as {"QTP2K", "SC2K", "AC2K1"}.
QStringList ComponentNames(const Simulator& simulator, bool training, bool scenery,
                           const bool (&aircraft)[4]);

// The folder of the version's simulator; empty for no simulator.
QString SimulatorFolder(int version);
