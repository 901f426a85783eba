#pragma once
// The installation run: a small always-on-top window with a compass needle that extracts the
// chosen components from the product CD, registers the scenery, makes the shortcuts and records
// every component the moment it is complete. The run works inside its own timer event while
// the page that started it stays usable; pages stop it through InstallAbort.
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QWidget;

// Creates the run window owned by `owner` (the page that starts the run), places it in the
// lower right corner of the main menu, shows it without making it modal and returns at once;
// the run begins when the window's timer fires. The caller has set InstallRunning. Nothing
// happens while another run window exists.
void StartInstallRun(QWidget* owner);

namespace installrun {

// Told of every archive the moment its extraction begins (the CD file was found): its path
// relative to the CD root and the Windows folder it goes to. An empty function: nobody listens.
using ArchiveObserver = std::function<void(const QString& archive, const QString& destination)>;
void setArchiveObserver(ArchiveObserver observer);
void notifyArchive(const QString& archive, const QString& destination);

// The library that the run's archive component loads, by the ordinary library search. Takes
// effect for the next run window.
void setArchiveLibrary(std::string libraryName);
const std::string& archiveLibrary();

// Folders (host paths, outermost first) that the wizard made for the target folder; the next
// run logs them with its shared steps and forgets them.
void noteTargetFoldersMade(const std::vector<std::string>& folders);
std::vector<std::string> takeTargetFoldersMade();

}  // namespace installrun
