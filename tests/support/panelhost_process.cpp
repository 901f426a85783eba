#include "tests/support/panelhost_process.h"

#include <sys/wait.h>

#include <cstdio>
#include <sstream>

namespace testsupport {

std::string quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::string ProcessOutput::text() const {
  std::string all;
  for (const auto& line : lines) all += line + "\n";
  return all;
}

ProcessOutput runShellCommand(const std::string& command) {
  ProcessOutput result;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  std::string output;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    output.append(buffer, n);
  const int status = pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::istringstream in(output);
  for (std::string line; std::getline(in, line);) result.lines.push_back(line);
  return result;
}

ProcessOutput runPanelhostScript(const std::string& panelhost, const std::filesystem::path& script,
                                 const std::filesystem::path& workingFolder) {
  std::string command;
  if (!workingFolder.empty()) command = "cd " + quoted(workingFolder.string()) + " && ";
  command += "ALSOFT_DRIVERS=null QT_QPA_PLATFORM=offscreen " + quoted(panelhost) + " --script " +
             quoted(script.string()) + " 2>/dev/null";
  return runShellCommand(command);
}

}  // namespace testsupport
