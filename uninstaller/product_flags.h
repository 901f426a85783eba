#pragma once
// The product key's install flags of the simulator an uninstallation empties: the same key and
// value names the shell reads and the installation run sets.
#include <filesystem>
#include <string>
#include <vector>

#include "installer/record/install_record.h"
#include "uninstaller/report.h"

struct Simulator;

namespace uninstall {

// The simulator the log's components belong to; else the one whose program lies in the folder;
// null when neither tells.
const Simulator* simulatorOf(const installrecord::ParsedLog& log,
                             const std::filesystem::path& folder);

// Clears the simulator's flags that are set, in one write of the current prefix's registry: all
// of them, or only those of `components` when the log could not vouch for every component.
void clearInstallFlags(const Simulator& simulator, bool all,
                       const std::vector<std::string>& components, Report& report);

}  // namespace uninstall
