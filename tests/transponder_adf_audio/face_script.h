#pragma once
// A panel of the three faces, NAV1, the avionics master and ALT (which owns the sounds), run
// through the panel host's script mode in the cruise aircraft (avionics on).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/switch_panel/panel_script.h"

namespace faces_test {

using switch_panel_test::linesStartingWith;

inline std::vector<std::string> run(const std::string& body) {
  const switch_panel_test::PanelScript script(
      "[Window00]\nsize=600,400\ngauge00=NOR_NV36!ALT, 0, 0\ngauge01=NOR_NV36!AVMA, 150, 0\n"
      "gauge02=NOR_NV36!XPDR, 0, 150\ngauge03=NOR_NV36!ADF, 0, 210\n"
      "gauge04=NOR_NV36!AUDP, 0, 265\ngauge05=NOR_NV36!NAV1, 300, 150\n");
  return script.lines("update 2\n" + body);
}

// `times` clicks at a point of a gauge, each followed by an update.
inline std::string clicks(const std::string& gauge, int x, int y, int times = 1) {
  std::string body;
  for (int i = 0; i < times; ++i)
    body += "click " + gauge + " " + std::to_string(x) + " " + std::to_string(y) + "\nupdate\n";
  return body;
}

// After each count of updates, the element at a depth of the gauge must show the value.
struct After {
  int updates, depth;
  const char* value;
};
inline std::string expectAfter(const std::string& gauge, std::initializer_list<After> steps) {
  std::string body;
  for (const After& step : steps)
    body += "update " + std::to_string(step.updates) + "\nexpect-value " + gauge + " " +
            std::to_string(step.depth) + " " + step.value + "\n";
  return body;
}

inline bool printed(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace faces_test
