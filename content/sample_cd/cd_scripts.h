#pragma once
// The CD's programs are POSIX shell scripts under their Windows names: QTP.EXE (in QTP.RAR)
// starts the installed shell, UNINSTALL.EXE the uninstaller.
#include <span>
#include <string>

namespace samplecd {

// `text` in single quotes for the shell.
std::string shellQuote(const std::string& text);

// Shell lines that set the variable `variable` to a program: the value of the environment
// variable `environment` when it is set, else `fallback` (a shell word, e.g. a quoted path) when
// that is executable, else `name` found on PATH. When the environment names no program, or none
// is found, the script says so, naming `environment`, and exits with 127.
std::string programLookup(const std::string& variable, const std::string& environment,
                          const std::string& fallback, const std::string& name);

// QTP.EXE: starts the shell ($QTP_PROGRAM, else a qtp beside QTP.EXE, else qtp on PATH) in the
// folder it was installed into, on the prefix that holds that folder ($QTP_PREFIX when set, else
// the nearest folder above it with a dosdevices folder). Further arguments are passed on.
std::string qtpLauncher();

// What the product installs into a simulator's folder, one path a line with '/' between
// folders; letter case does not matter.
std::span<const char* const> productEntries();

// UNINSTALL.EXE: starts the uninstaller ($QTP_UNINSTALL_PROGRAM, else a qtp-uninstall beside
// UNINSTALL.EXE, else qtp-uninstall on PATH) with its arguments. In a NORVANE folder it adds the
// simulator folder above it unless the last argument names a folder (the other simulator's: the
// installation copies one uninstaller), and --prefix with $QTP_PREFIX or the nearest folder
// above that simulator folder that has a dosdevices folder; elsewhere the arguments must name
// the folder.
std::string uninstaller();

}  // namespace samplecd
