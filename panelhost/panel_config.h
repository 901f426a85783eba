#pragma once
// A panel configuration in the simulator's usual form:
//
//   [Window00]
//   size=640,300
//   gauge00=NOR_NV36!ALT, 10, 20
//   gauge01=NOR_NV36!ASI, 160, 20, 147
//
//   [Window Titles]
//   Window00=Hauptpanel
//
// Each gauge line names module!gauge, its position and optionally its width and height in panel
// pixels (the gauge keeps its own size when they are missing). Malformed lines are reported
// with their line numbers and skipped; the rest of the file still loads.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace panelhost {

struct GaugePlacement {
  int number = 0;  // the NN of gaugeNN: drawing order within the window
  std::string module;
  std::string gauge;
  int x = 0;
  int y = 0;
  std::optional<int> width;
  std::optional<int> height;
  int line = 0;
};

struct PanelWindowConfig {
  std::string section;
  std::optional<int> width;
  std::optional<int> height;
  std::vector<GaugePlacement> gauges;  // by gauge number
};

struct PanelConfig {
  std::vector<PanelWindowConfig> windows;  // in file order
  std::vector<std::string> problems;       // "line N: ..."
  std::string title;                       // the main window's name ([Window Titles] Window00)
};

PanelConfig parsePanelConfig(std::string_view text);

// Finds a module named in a configuration: first in the panel's own folder, then in the
// `Gauges` folder of the nearest ancestor that has one (the simulator's folder); names compare
// without regard to case, and ".gau" is added when the name has no extension. On Linux the
// module's own object (NAME.so) is taken before NAME.gau in each folder, so a simulator folder
// that holds both builds runs the Linux one here and the Windows one in the simulator.
std::optional<std::filesystem::path> findModule(const std::filesystem::path& panelFolder,
                                                const std::string& moduleName);

}  // namespace panelhost
