#pragma once
// The prefix: a folder laid out like a Wine prefix that maps the program's Windows view (drive
// letters, the machine registry) onto the host. One prefix is current at a time.
#include <filesystem>

namespace platform {

// $QTP_PREFIX, else $XDG_DATA_HOME/qtp/prefix, else ~/.local/share/qtp/prefix.
std::filesystem::path defaultPrefixDir();

// Makes dir the current prefix. A folder without dosdevices/ gets the initial layout: drive_c/,
// dosdevices/c: -> ../drive_c and dosdevices/z: -> /. Returns false (and keeps the previous
// prefix) when the folder cannot be made or used; the reason goes to standard error.
bool openPrefix(const std::filesystem::path& dir);

// The current prefix folder (absolute), empty when none was opened.
std::filesystem::path currentPrefixDir();

}  // namespace platform
