#pragma once
// The installation run: a small always-on-top window with a compass needle that extracts the
// chosen components from the product CD, registers the scenery, makes the shortcuts and records
// every component the moment it is complete. The run works inside its own timer event while
// the page that started it stays usable; pages stop it through InstallAbort.
#include <QString>

class QWidget;

// Creates the run window owned by `owner` (the page that starts the run), places it in the
// lower right corner of the main menu, shows it without making it modal and returns at once;
// the run begins when the window's timer fires. The caller has set InstallRunning.
void StartInstallRun(QWidget* owner);

// Extracts the CD archive `archive` (relative to the CD root, e.g. "FS2000\\SOUND.RAR") into
// the Windows folder `destination`. False when the archive could not be found or the
// extraction failed; the run then stops.
bool ExtractFromCD(const QString& archive, const QString& destination);
