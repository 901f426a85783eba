#pragma once
// Where the uninstaller talks to the user: in a window when there is a display and it was not
// started from a terminal (a click on its menu entry), else in the terminal. Without either it
// cannot ask, and removes nothing unless told to with --yes.
#include <string>

#include "uninstaller/report.h"

namespace uninstall {

struct Surroundings {
  bool display = false;   // an X11 or Wayland display is named
  bool terminal = false;  // standard input is a terminal
};

Surroundings currentSurroundings();

bool usesWindow(const Surroundings& surroundings);

// Whether the plan may be carried out: asked in the window or the terminal unless `yes`.
// Nothing is asked when the plan removes nothing.
enum class Consent { Given, Declined, CannotAsk };
Consent askConsent(const Report& plan, const std::string& folder, bool yes,
                   const Surroundings& surroundings);

// The report where the user sees it: the window's or standard output.
void showReport(const Report& report, const std::string& folder, const Surroundings& surroundings);

}  // namespace uninstall
