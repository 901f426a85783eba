// panelhost [--panel CFG] [--module PATH] [--script FILE] [--aircraft cruise|cold] [--help]
//
// Loads the panel and/or module; with a script runs it headless and exits with its status,
// otherwise shows the panel in a window. The aircraft starts in cruise unless told otherwise.
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "panelhost/panel_host.h"
#include "panelhost/panel_window.h"
#include "panelhost/script_runner.h"
#include "panelhost_usage.h"
#include "platform/text_file.h"

namespace {

// A script is a few hundred lines; far more is not one.
constexpr std::size_t kMaxScriptBytes = 4u << 20;

struct Options {
  std::optional<std::string> panel;
  std::optional<std::string> module;
  std::optional<std::string> script;
  std::optional<std::string> aircraft;
  bool help = false;
};

int usage() {
  std::fputs(kPanelhostUsage, stderr);
  return 2;
}

std::optional<Options> parseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    if (flag == "--help") {
      options.help = true;
      continue;
    }
    std::optional<std::string>* target = flag == "--panel"      ? &options.panel
                                         : flag == "--module"   ? &options.module
                                         : flag == "--script"   ? &options.script
                                         : flag == "--aircraft" ? &options.aircraft
                                                                : nullptr;
    if (!target || i + 1 >= argc) return std::nullopt;
    *target = argv[++i];
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const auto options = parseOptions(argc, argv);
  if (!options) return usage();
  if (options->help) {
    std::fputs(kPanelhostUsage, stdout);
    return 0;
  }
  const auto start = panelhost::aircraftStartNamed(options->aircraft.value_or("cruise"));
  if (!start) return usage();
  if (options->script && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  panelhost::PanelHost host;
  host.aircraft().reset(*start);
  if (options->panel) {
    std::string error;
    std::vector<std::string> warnings;
    const bool loaded = host.loadPanel(*options->panel, error, warnings);
    for (const auto& warning : warnings) std::cerr << "warning: " << warning << "\n";
    if (!loaded) {
      std::cerr << "panelhost: " << error << "\n";
      return 1;
    }
  }
  if (options->module) {
    std::string error;
    if (!host.loadModule(*options->module, error)) {
      std::cerr << "panelhost: " << error << "\n";
      return 1;
    }
  }
  for (const auto& problem : host.takeServiceErrors())
    std::cerr << "panelhost: " << problem << "\n";

  if (options->script) {
    std::istringstream file;
    std::istream* in = &std::cin;
    if (*options->script != "-") {
      textfile::FileRead read = textfile::readRegularFile(*options->script, kMaxScriptBytes);
      if (!read.ok()) {
        std::cerr << "panelhost: cannot read script " << *options->script << ": " << read.reason
                  << "\n";
        return 1;
      }
      file.str(std::move(read.bytes));
      in = &file;
    }
    const auto folder = std::filesystem::path(*options->script).parent_path();
    panelhost::ScriptRunner runner(host, std::cout, std::cerr, folder);
    return runner.run(*in);
  }

  panelhost::PanelWindow window(host);
  window.show();
  return app.exec();
}
