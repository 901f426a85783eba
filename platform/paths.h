#pragma once
// One translation between the program's Windows paths and host paths. Windows paths take "\" or
// "/" as separators; every component that exists is matched exactly first, else without regard
// to case, as Windows would; components that do not exist yet are kept as written.
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// Host path of a Windows path: absolute ("C:\FS2000\"), drive-relative ("\UIRES", "D:UIRES") or
// relative to the current folder. Empty when the drive is not mapped or the path is a UNC path.
std::filesystem::path toHost(std::string_view winPath);

// Windows path of a host path by the longest mapped drive folder, else "Z:" + the path. Folders
// carry no trailing backslash except a drive root ("C:\").
std::string toWindows(const std::filesystem::path& hostPath);

// The host's current working folder as a Windows path.
std::string currentFolder();

}  // namespace platform
