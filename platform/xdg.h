#pragma once
// The user's folders as the XDG base-directory settings name them. Relative settings are ignored,
// as the XDG rules say; an empty path means the folder is unknown.
#include <filesystem>

namespace platform {

std::filesystem::path absoluteEnvPath(const char* name);  // the variable, when absolute
std::filesystem::path homeFolder();                       // $HOME
std::filesystem::path xdgDataHome();                      // $XDG_DATA_HOME, else $HOME/.local/share
std::filesystem::path xdgConfigHome();                    // $XDG_CONFIG_HOME, else $HOME/.config

}  // namespace platform
