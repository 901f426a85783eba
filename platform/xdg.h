#pragma once
// The user's folders as the XDG base-directory settings name them. Relative settings are ignored,
// as the XDG rules say, which Qt's QStandardPaths of this Qt version does not do for the data
// home; an empty path means the folder is unknown.
#include <filesystem>

namespace platform {

std::filesystem::path absoluteEnvPath(const char* name);  // the variable, when absolute
std::filesystem::path homeFolder();                       // $HOME
std::filesystem::path xdgDataHome();                      // $XDG_DATA_HOME, else $HOME/.local/share

}  // namespace platform
