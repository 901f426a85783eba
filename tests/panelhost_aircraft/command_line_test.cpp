// The panel host's command line starts the aircraft in cruise or cold.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace aircraft_test {
namespace {

// The exit status of the panel host running `script` with `options`.
int panelhost(const std::string& options, const std::string& script) {
  const auto file = std::filesystem::temp_directory_path() /
                    ("aircraft_command_line_" + std::to_string(getpid()) + ".script");
  std::ofstream(file) << script;
  const std::string command = "QT_QPA_PLATFORM=offscreen '" + std::string(PANELHOST_EXE) + "' " +
                              options + " --script '" + file.string() + "' >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  std::filesystem::remove(file);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(AircraftCommandLine, StartsInCruiseUnlessToldCold) {
  EXPECT_EQ(panelhost("", "expect-token 0x87 > 3000\nexpect-token 0x16C 1\n"), 0);
  EXPECT_EQ(panelhost("--aircraft cold", "expect-token 0x87 0\nexpect-token 0x16C 0\n"), 0);
  EXPECT_EQ(panelhost("--aircraft cold", "expect-token 0x87 > 3000\n"), 1);
  EXPECT_EQ(panelhost("--aircraft warm", ""), 2);
  EXPECT_EQ(panelhost("--aircraft", ""), 2);
}

}  // namespace
}  // namespace aircraft_test
