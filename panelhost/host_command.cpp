#include "panelhost/host_command.h"

#include <cstdio>
#include <iostream>
#include <sstream>

#include "panelhost/lesson_run.h"
#include "panelhost/script_runner.h"
#include "platform/text_file.h"

namespace panelhost {
namespace {

// A script is a few hundred lines; far more is not one.
constexpr std::size_t kMaxScriptBytes = 4u << 20;

}  // namespace

std::optional<HostCommand> parseHostCommand(int argc, char** argv) {
  HostCommand command;
  std::optional<std::string> aircraft;
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    if (flag == "--help") {
      command.help = true;
      continue;
    }
    std::optional<std::string>* target = flag == "--panel"      ? &command.panel
                                         : flag == "--module"   ? &command.module
                                         : flag == "--script"   ? &command.script
                                         : flag == "--aircraft" ? &aircraft
                                         : flag == "--lesson"   ? &command.lesson
                                                                : nullptr;
    if (!target || i + 1 >= argc) return std::nullopt;
    *target = argv[++i];
  }
  const auto start = aircraftStartNamed(aircraft.value_or("cruise"));
  if (!start) return std::nullopt;
  command.start = *start;
  return command;
}

bool prepareHost(PanelCore& host, const HostCommand& command, const char* program) {
  host.aircraft().reset(command.start);
  if (command.panel) {
    std::string error;
    std::vector<std::string> warnings;
    const bool loaded = host.loadPanel(*command.panel, error, warnings);
    for (const auto& warning : warnings) std::cerr << "warning: " << warning << "\n";
    if (!loaded) {
      std::cerr << program << ": " << error << "\n";
      return false;
    }
  }
  if (command.module) {
    std::string error;
    if (!host.loadModule(*command.module, error)) {
      std::cerr << program << ": " << error << "\n";
      return false;
    }
  }
  for (const auto& problem : host.takeServiceErrors())
    std::cerr << program << ": " << problem << "\n";
  return true;
}

int runHostScript(PanelCore& host, const std::string& script, const char* program,
                  const std::optional<std::string>& lesson) {
  std::istringstream file;
  std::istream* in = &std::cin;
  if (script != "-") {
    textfile::FileRead read = textfile::readRegularFile(script, kMaxScriptBytes);
    if (!read.ok()) {
      std::cerr << program << ": cannot read script " << script << ": " << read.reason << "\n";
      return 1;
    }
    file.str(std::move(read.bytes));
    in = &file;
  }
  LessonRun run(
      host, [](const LessonFile& met) { std::cout << "lesson complete " << *met.code << "\n"; });
  if (lesson) {
    auto loaded = readHostLesson(*lesson, program);
    if (!loaded) return 1;
    run.start(std::move(*loaded));
  }
  const auto folder = std::filesystem::path(script).parent_path();
  ScriptRunner runner(host, std::cout, std::cerr, folder);
  return runner.run(*in);
}

std::optional<LessonFile> readHostLesson(const std::string& file, const char* program) {
  std::string error;
  auto lesson = readLessonFile(file, error);
  if (!lesson) {
    std::cerr << program << ": " << error << "\n";
    return std::nullopt;
  }
  for (const auto& problem : lesson->problems)
    std::cerr << "warning: " << file << ": " << problem << "\n";
  return lesson;
}

}  // namespace panelhost
