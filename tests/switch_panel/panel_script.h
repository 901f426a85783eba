#pragma once
// Runs the panel host's script mode on the built module with a panel of the switch gauges
// (and ALT, which owns the sounds) or another panel, each script in a fresh host so module
// state starts at 0.
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/panelhost_process.h"

namespace switch_panel_test {

using ScriptResult = testsupport::ProcessOutput;

class PanelScript {
 public:
  PanelScript();  // a temporary simulator folder with the module and the switch panel
  explicit PanelScript(const std::string& panel);  // ... with the panel configuration given
  ~PanelScript();
  PanelScript(const PanelScript&) = delete;
  PanelScript& operator=(const PanelScript&) = delete;

  // Loads the panel, then runs `body`.
  ScriptResult run(const std::string& body) const;
  // As run, failing the test when the script fails; returns the output lines.
  std::vector<std::string> lines(const std::string& body) const;

 private:
  std::filesystem::path root_;
};

// The output lines that begin with `prefix` ("play", "event", "value SWIT 5").
std::vector<std::string> linesStartingWith(const std::vector<std::string>& lines,
                                           const std::string& prefix);

// The output without "stop" lines: a two-buffer sound stops its older buffer when both are
// busy, and the hum stops on every update while the electrics are off.
std::vector<std::string> withoutStops(const std::vector<std::string>& lines);

}  // namespace switch_panel_test
