#pragma once
// The program's log: timestamped lines in $XDG_STATE_HOME/qtp/qtp.log that stay there after
// the program has ended, so that what went wrong can be looked at afterwards. The file is kept
// below a size limit by moving it to qtp.log.1 (one older file) when a line would pass it.
//
// Until openProgramLog has run (and in every test program, which never runs it) lines reach no
// file: reports still go to standard error, notes go nowhere.
#include <cstddef>
#include <filesystem>
#include <string_view>

namespace platform {

struct ProgramLogOptions {
  bool verbose = false;                // every line of the log on standard error as well
  std::size_t maxBytes = 1024 * 1024;  // the size at which the file is moved aside
};

// $XDG_STATE_HOME/qtp/qtp.log, else ~/.local/state/qtp/qtp.log; empty when the home is unknown.
std::filesystem::path defaultLogFile();

// Starts writing to `file`, making its folder. A file that cannot be written is said once on
// standard error, and the program runs on without it; so is a later write that fails.
void openProgramLog(const std::filesystem::path& file, ProgramLogOptions options = {});
void closeProgramLog();

// The file lines go to; empty while no log is open.
std::filesystem::path programLogFile();
bool programLogVerbose();

// A line for the log alone (on standard error too under --verbose): what happened, no failure.
void logNote(std::string_view text);

// A failure the user must see now: "qtp: TEXT" on standard error, and the same in the log.
void logReport(std::string_view text);

}  // namespace platform
