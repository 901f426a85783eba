#pragma once
// The built gauge module (NOR_NV36_PATH) in a panel host inside the test, every gauge bound.
// Each panel loads its own copy of the module, so module state starts afresh.
#include <stdlib.h>

#include <QTemporaryDir>
#include <limits>
#include <memory>
#include <stdexcept>
#include <utility>

#include "gauges/sim_ids.h"
#include "panelhost/panel_host.h"

namespace testsupport {

using Event = std::pair<ID32, UINT32>;

// Token values no simulator should report, which every callback must survive.
inline const double kHostileValues[] = {std::numeric_limits<double>::quiet_NaN(),
                                        std::numeric_limits<double>::infinity(),
                                        -std::numeric_limits<double>::infinity(), 1e300, -1e300};

class GaugePanel {
 public:
  explicit GaugePanel(panelhost::AircraftStart start = panelhost::AircraftStart::Cruise) {
    setenv("ALSOFT_DRIVERS", "null", 1);  // sound through OpenAL's null device
    const std::string copy = dir_.path().toStdString() + "/NOR_NV36.gau";
    std::filesystem::copy_file(NOR_NV36_PATH, copy);
    std::string error;
    if (!host_.loadModule(copy, error)) throw std::runtime_error(error);
    host_.aircraft().reset(start);
    update();
    events();
    sounds();
  }

  panelhost::PanelHost& host() { return host_; }
  void update(int cycles = 1) { host_.runCycles(cycles); }
  void pin(ID32 token, double value) { host_.vars().pin(token, value); }
  // Points in gauge pixels; false when no area takes them.
  bool click(const std::string& gauge, int x, int y) {
    return host_.click(named(gauge), QPoint(x, y), MOUSE_LEFT_SINGLE);
  }
  bool drag(const std::string& gauge, int x, int y) { return host_.drag(named(gauge), {x, y}); }
  // An element's last value (of its axis) and text, by depth from the background.
  double value(const std::string& gauge, int depth, std::size_t axis = 0) {
    return values(gauge, depth).value.at(axis);
  }
  std::string text(const std::string& gauge, int depth) { return values(gauge, depth).text; }

  // Key events since the last call, without the NAV and ADF identifiers that the radios' knobs
  // switch at every update.
  std::vector<Event> events() {
    std::vector<Event> out;
    for (const panelhost::KeyEvent& event : host_.takeEvents())
      if (event.id != evt::kNavIdentOn && event.id != evt::kNavIdentOff &&
          event.id != evt::kAdfIdentOn && event.id != evt::kAdfIdentOff)
        out.emplace_back(event.id, event.value);
    return out;
  }
  // Sounds started since the last call, by resource id.
  std::vector<int> sounds() {
    std::vector<int> out;
    for (const panelhost::SoundEvent& sound : host_.takeSounds())
      if (sound.play) out.push_back(static_cast<int>(sound.id));
    return out;
  }

 private:
  panelhost::Gauge& named(const std::string& gauge) {
    if (panelhost::Gauge* found = host_.findGauge(gauge)) return *found;
    throw std::runtime_error("no gauge " + gauge);
  }
  const panelhost::ElementValues& values(const std::string& gauge, int depth) {
    const auto* found = host_.valuesOf(panelhost::elementAtDepth(named(gauge).background(), depth));
    if (!found) throw std::runtime_error(gauge + " has no element at " + std::to_string(depth));
    return *found;
  }

  QTemporaryDir dir_;
  panelhost::PanelHost host_;
};

}  // namespace testsupport
