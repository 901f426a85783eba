#pragma once
// Making the installed scenery known to the simulator: for Flight Simulator 2000 only the
// elevation file of the chosen resolution is kept and an area entry goes into SCENERY.CFG; for
// Flight Simulator 98 the World.vis library registers it.
#include <QString>

// Deletes the two elevation files under FS2000Path + "Norvane\AZ\Scenery\" that the session's
// scenery resolution does not keep (read-only ones too). Failures are ignored; a code other than
// "0", "1" or "2" removes nothing.
void RemoveUnusedElevation();

// Appends the product's area entry to FS2000Path + "SCENERY.CFG" unless a line reads exactly
// "Title=Norvane AZ". The new area is numbered one above the highest in the file; the file is
// replaced whole, its previous text kept beside it as "<name>.bak" (under another name when that
// one is the user's, see platform/durable_file.h). True when the scenery is registered
// afterwards; a missing file or any error is told in red and the file is left as it was.
bool RegisterSceneryCfg();

// Registers the title with the file pattern in the World.vis at worldVisPath (a Windows path).
// False when the library says there is nothing to do (file missing, unreadable, busy ...).
bool RegisterWorldVis(const QString& worldVisPath, const QString& title, const QString& pattern);

// The installation run's Flight Simulator 98 registration: FS98Path + "Scenery\World.vis",
// "NORVANE Arizona Scenery", FS98Path + "NORVANE\AZ\*.BGL". True when registered; when the
// library has nothing to do (World.vis missing, read-only, busy ...) that is told in red. False
// without a message when FS98Path is unknown.
bool RegisterFS98Scenery();
