#include "tests/win32_conformance/conformance_scripts.h"

#include <fstream>
#include <regex>
#include <sstream>

#include "gauges/sim_ids.h"
#include "panelhost/number_text.h"
#include "panelhost/panel_core.h"

namespace conformance {
namespace fs = std::filesystem;

namespace {

std::string withoutRenders(std::ifstream in) {
  std::ostringstream text;
  text << in.rdbuf();
  static const std::regex render(R"(^([ \t]*)render\b)", std::regex::multiline);
  return std::regex_replace(text.str(), render, "$1# render");
}

// A point's words, corners of a box and one pixel beyond them.
std::vector<std::string> cornerPoints(const panelhost::Rect& box) {
  std::vector<std::string> points;
  for (const panelhost::Point p :
       {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
    const int outX = p.x() == box.left() ? -1 : 1;
    const int outY = p.y() == box.top() ? -1 : 1;
    points.push_back(std::to_string(p.x()) + " " + std::to_string(p.y()));
    points.push_back(std::to_string(p.x() + outX) + " " + std::to_string(p.y() + outY));
  }
  return points;
}

}  // namespace

std::vector<PanelScript> checkedInScripts(const fs::path& testsFolder) {
  std::vector<PanelScript> scripts;
  for (const auto& entry : fs::recursive_directory_iterator(testsFolder)) {
    if (entry.path().extension() != ".script") continue;
    PanelScript script{entry.path().stem().string(),
                       withoutRenders(std::ifstream(entry.path())),
                       {},
                       false,
                       false};
    for (const auto& other : fs::directory_iterator(entry.path().parent_path()))
      if (other.path().extension() == ".cfg") script.beside.push_back(other.path());
    scripts.push_back(std::move(script));
  }
  return scripts;
}

std::vector<PanelScript> hostileScripts(const fs::path& linuxModule) {
  panelhost::PanelCore host;
  std::string error;
  if (!host.loadModule(linuxModule, error)) return {};
  std::ostringstream body;
  body << "update 3\n";
  for (const auto& gauge : host.gauges()) {
    int depth = 0;
    while (panelhost::elementAtDepth(gauge->background(), depth)) ++depth;
    for (int d = 0; d < depth; ++d) body << "value " << gauge->name << " " << d << "\n";
    for (const panelhost::MouseArea& area : gauge->mouse.areas()) {
      for (const std::string& point : cornerPoints(area.box)) {
        body << "help " << gauge->name << " " << point << "\n";
        if (area.child) body << "click " << gauge->name << " " << point << "\n";
      }
    }
    body << "update\nevents\n";
  }
  std::vector<PanelScript> scripts;
  for (const char* value : {"nan", "inf", "-inf", "1e300", "-1e300"}) {
    std::ostringstream text;
    text << "module Gauges/NOR_NV36.gau\n";
    for (const panelhost::TokenDefault& token : panelhost::aircraftTokens()) {
      const bool number = token.kind == panelhost::VarKind::Number;
      text << "set " << panelhost::formatHex(token.token) << " " << (number ? value : "0x9ABCDEF7")
           << "\n";
    }
    for (ID32 token : {tok::kBatteryMaster, tok::kAvionicsMaster, tok::kNav1Signal,
                       tok::kNav2Signal, tok::kAdfSignal})
      text << "set " << panelhost::formatHex(token) << " 1\n";
    scripts.push_back({std::string("hostile ") + value, text.str() + body.str(), {}, false, false});
  }
  return scripts;
}

std::vector<PanelScript> badInputScripts() {
  const std::string start = "module Gauges/NOR_NV36.gau\naircraft cold\n";
  const std::string soundWalk =
      "click SWIT 125 45\nupdate 2\nclick THR1 210 30\nupdate 5\nevents\nsounds\n";
  return {
      {"module without ImportTable", "module Gauges/REFUSED_NO_IMPORTS.gau\n", {}, true, false},
      {"module with a version 600 header",
       "module Gauges/REFUSED_OLD_HEADER.gau\n",
       {},
       true,
       false},
      {"gauge the module does not have", start + "update\nvalue NOSUCH 0\n", {}, true, false},
      {"click on a gauge the module does not have", start + "click NOSUCH 1 1\n", {}, true, false},
      {"sounds with a device", start + soundWalk, {}, false, false},
      {"sounds without a device", start + soundWalk, {}, false, true},
  };
}

}  // namespace conformance
