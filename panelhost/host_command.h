#pragma once
// The command line both panel hosts share:
//   PROGRAM [--panel CFG] [--module PATH] [--script FILE] [--aircraft cruise|cold]
//           [--lesson FILE] [--help]
// The aircraft starts in cruise unless told otherwise; the panel and then the module are loaded
// before the script runs. A lesson starts the aircraft as it says, after the panel is loaded.
#include <optional>
#include <string>

#include "panelhost/lesson_file.h"
#include "panelhost/panel_core.h"

namespace panelhost {

struct HostCommand {
  std::optional<std::string> panel;
  std::optional<std::string> module;
  std::optional<std::string> script;
  std::optional<std::string> lesson;
  AircraftStart start = AircraftStart::Cruise;
  bool help = false;
};

// Nothing when the arguments are not a command line of this form.
std::optional<HostCommand> parseHostCommand(int argc, char** argv);
// Starts the aircraft and loads the panel and the module; false after saying why on standard
// error (warnings go there too).
bool prepareHost(PanelCore& host, const HostCommand& command, const char* program);
// Runs the script file ("-": standard input) headless; its exit status. With a lesson file the
// lesson starts first and "lesson complete CODE" is printed once when its goal is met; its
// problems are warnings on standard error, and a file that cannot be read ends the run (1).
int runHostScript(PanelCore& host, const std::string& script, const char* program,
                  const std::optional<std::string>& lesson = std::nullopt);
// The lesson in `file`, its problems said on standard error; nothing after saying why it cannot
// be read.
std::optional<LessonFile> readHostLesson(const std::string& file, const char* program);

}  // namespace panelhost
