#pragma once
// The demo simulators' program files (FS2000.EXE, FLTSIM98.EXE): shell scripts that show the
// panel of the first Norvane aircraft installed in the simulator's folder in the panel host,
// whose lesson menu then lists the lessons installed in the same folder.
//
// The host program is $QTP_PANELHOST when set, else the build's panelhost (recorded when the
// prefix is made), else panelhost on PATH. With $QTP_PANELHOST_SCRIPT set, the host runs that
// script headless and exits instead of opening its window. Without an installed aircraft the
// script says so and exits with 1.
#include <string>

namespace demo {

// `simulator` names the simulator in the script's messages ("Flight Simulator 2000").
std::string launcherScript(const std::string& simulator, const std::string& panelhost);

// The panel host recorded in the launchers: the build's copy.
std::string builtPanelhost();

}  // namespace demo
