#pragma once
// The user's shell folders as Windows paths (no trailing backslash); empty when the home folder
// is unknown, as a failed lookup leaves the result on Windows.
#include <string>

namespace platform {

std::string programsFolder();  // $XDG_DATA_HOME/applications (~/.local/share/applications)
// XDG_DESKTOP_DIR from the environment, else from user-dirs.dirs, else ~/Desktop; made when
// missing.
std::string desktopFolder();

}  // namespace platform
