#pragma once
// The command line both panel hosts share:
//   PROGRAM [--panel CFG] [--module PATH] [--script FILE] [--aircraft cruise|cold] [--help]
// The aircraft starts in cruise unless told otherwise; the panel and then the module are loaded
// before the script runs.
#include <optional>
#include <string>

#include "panelhost/panel_core.h"

namespace panelhost {

struct HostCommand {
  std::optional<std::string> panel;
  std::optional<std::string> module;
  std::optional<std::string> script;
  AircraftStart start = AircraftStart::Cruise;
  bool help = false;
};

// Nothing when the arguments are not a command line of this form.
std::optional<HostCommand> parseHostCommand(int argc, char** argv);
// Starts the aircraft and loads the panel and the module; false after saying why on standard
// error (warnings go there too).
bool prepareHost(PanelCore& host, const HostCommand& command, const char* program);
// Runs the script file ("-": standard input) headless; its exit status.
int runHostScript(PanelCore& host, const std::string& script, const char* program);

}  // namespace panelhost
