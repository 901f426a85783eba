#pragma once
// The command line: qtp-uninstall [--dry-run] [--yes] [--prefix DIR] SIMULATOR-FOLDER, read
// before anything else starts, so that --help and bad usage need no display.
#include <string>
#include <vector>

namespace uninstall {

struct Options {
  enum class Action { Run, Help, Error };
  Action action = Action::Run;
  bool dryRun = false;
  bool yes = false;
  std::string prefix;  // empty: $QTP_PREFIX, else the nearest folder above with dosdevices
  std::string folder;  // the simulator folder
  std::string error;   // what was wrong when action is Error
};

// `arguments` without the program name; "--prefix DIR" and "--prefix=DIR" both work.
Options parseOptions(const std::vector<std::string>& arguments);

// The synopsis and options of the qtp-uninstall(1) manual page.
const char* usageText();

}  // namespace uninstall
