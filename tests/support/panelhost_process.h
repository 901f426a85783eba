#pragma once
// Runs the built panel host's script mode as its own process, the way a user or another program
// would: sounds go to OpenAL's null device (the host still names them by resource id), Qt draws
// offscreen, and standard output comes back a line at a time.
#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

struct ProcessOutput {
  int exitCode = -1;  // -1 when the process could not be started or did not exit normally
  std::vector<std::string> lines;

  std::string text() const;  // the lines again, each ended by a line feed (for failure output)
};

// A shell command line's standard output and exit status.
ProcessOutput runShellCommand(const std::string& command);
// A word quoted for the shell.
std::string quoted(const std::string& text);

// `panelhost --script script`, run from `workingFolder` when one is given.
ProcessOutput runPanelhostScript(const std::string& panelhost, const std::filesystem::path& script,
                                 const std::filesystem::path& workingFolder = {});

}  // namespace testsupport
