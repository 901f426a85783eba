#pragma once
// The CD archives of each component, in the order they are extracted, with their status texts,
// destinations and the choices they depend on. The run walks these lists; nothing else names an
// archive.
#include <QString>
#include <vector>

#include "shell/install_state.h"

// The three parts of an installation, each recorded as installed once all of its archives are in.
enum class InstallGroup { Training, Scenery, Aircraft };

enum class ArchiveDestination { TargetFolder, SimulatorFolder };

// One archive to extract, its path relative to the CD root (as "FS2000\SOUND.RAR").
struct PlannedArchive {
  QString status;  // empty: the status line stays as it is
  QString archive;
  ArchiveDestination destination = ArchiveDestination::SimulatorFolder;
};

// The CD folder of a simulator's own archives: "FS98\" or "FS2000\"; empty for other versions.
QString SimulatorCdFolder(int version);

// The archives of `group` that the session's choices call for under `version`, in order.
std::vector<PlannedArchive> PlanArchives(InstallGroup group, const InstallSession& session,
                                         int version);
