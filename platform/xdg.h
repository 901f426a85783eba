#pragma once
// The user's folders as the XDG base-directory settings and xdg-user-dirs name them. Relative
// settings are ignored, as the XDG rules say, which Qt's QStandardPaths of this Qt version does
// not do for the data home; an empty path means the folder is unknown.
#include <filesystem>
#include <string_view>

namespace platform {

std::filesystem::path absoluteEnvPath(const char* name);  // the variable, when absolute
std::filesystem::path homeFolder();                       // $HOME
std::filesystem::path xdgDataHome();                      // $XDG_DATA_HOME, else $HOME/.local/share
std::filesystem::path xdgConfigHome();                    // $XDG_CONFIG_HOME, else $HOME/.config

// A user folder such as "DESKTOP": XDG_DESKTOP_DIR from the environment when absolute, else its
// last usable line in user-dirs.dirs of the config home ("$HOME/..." or an absolute path in
// double quotes, as xdg-user-dirs writes it).
std::filesystem::path userDir(std::string_view name);

}  // namespace platform
