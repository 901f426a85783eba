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

// How the program's start went with its prefix.
enum class PrefixStart { Opened, Refused, Failed };

// Opens the prefix the program starts with. A folder the user named (`named`, else a set
// $QTP_PREFIX) is used only when it exists with a drive C:, so that a mistyped name cannot
// quietly stand for a new empty prefix; `create` makes the missing layout there on purpose.
// The default folder gets its layout on first start. Refusals and failures are reported.
PrefixStart startPrefix(const std::filesystem::path& named, bool create);

// The current prefix folder (absolute), empty when none was opened.
std::filesystem::path currentPrefixDir();

}  // namespace platform
