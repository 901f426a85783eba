#pragma once
// The user's shell folders as Windows paths (no trailing backslash); empty when the home folder
// is unknown, as a failed lookup leaves the result on Windows.
#include <string>

namespace platform {

std::string programsFolder();  // $XDG_DATA_HOME/applications (~/.local/share/applications)
std::string desktopFolder();   // XDG_DESKTOP_DIR of user-dirs.dirs, else ~/Desktop

}  // namespace platform
