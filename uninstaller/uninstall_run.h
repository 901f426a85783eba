#pragma once
// One uninstallation of the product from a simulator folder: under a lock on the folder's
// product folder, every block of the install log the log can vouch for is undone, newest first,
// its records in reverse order; the simulator's install flags are cleared; the uninstaller, the
// log and the product folder go last, and only when no part of the log had to be refused.
#include <filesystem>

#include "uninstaller/report.h"

namespace uninstall {

// The current prefix (if any) holds the registry whose flags are cleared.
Report uninstallProduct(const std::filesystem::path& simulatorFolder, bool dryRun);

}  // namespace uninstall
