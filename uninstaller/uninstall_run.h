#pragma once
// One uninstallation of the product from a simulator folder: under a lock on the folder's
// product folder, every block of the install log the log can vouch for is undone, newest first,
// its records in reverse order; the simulator's install flags are cleared; the uninstaller, the
// log and the product folder go last, and only when no part of the log had to be refused.
#include <filesystem>

#include "uninstaller/report.h"

namespace uninstall {

// `prefixFolder` (empty when unknown) is the folder the log's prefix places are relative to; the
// current prefix (if any) holds the registry whose flags are cleared.
Report uninstallProduct(const std::filesystem::path& simulatorFolder,
                        const std::filesystem::path& prefixFolder, bool dryRun);

}  // namespace uninstall
