#pragma once
// The built gauge module in a panel host of its own, every gauge bound, with the radio faces'
// click areas by name. Each panel loads its own copy of the module, so module state starts at
// its initial values in every test.
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "gauges/sim_ids.h"
#include "panelhost/panel_host.h"

namespace radio_test {

enum class Area {
  Transfer,
  WholeDown,
  FractionDown,
  WholeUp,
  FractionUp,
  Power,
  Pull,
  Spacing,
};

// Element depths from the background.
struct Depths {
  int lit, spacing, knob, standby, active;
};
constexpr Depths kComDepths = {1, 2, 3, 4, 5};
constexpr Depths kNavDepths = {1, -1, 2, 3, 4};

struct Event {
  ID32 id;
  UINT32 value;
  bool operator==(const Event&) const = default;
};

class RadioPanel {
 public:
  RadioPanel();  // avionics on, one update run
  ~RadioPanel();

  // A click in the middle of a face's area, then one panel update (the host draws after a
  // click as the simulator does); the area's mouse function result is not visible to a host
  // beyond the click being taken.
  void click(const std::string& face, Area area, int updates = 1);
  // A click at a point of a face; false when no area takes it.
  bool clickAt(const std::string& face, int x, int y);
  void update(int cycles = 1);
  void set(ID32 token, double value);
  double token(ID32 id);

  std::string standby(const std::string& face);
  std::string active(const std::string& face);
  double value(const std::string& face, int depth);

  // Key events since the last call, without the NAV knobs' identifier events.
  std::vector<Event> events();
  // Every key event of the radio faces since the last call (not the ADF's identifier event,
  // which its knob beside them sends at every update).
  std::vector<Event> allEvents();
  // The sounds started since the last call, by resource id.
  std::vector<int> sounds();

  panelhost::PanelHost& host() { return *host_; }

 private:
  const panelhost::ElementValues& values(const std::string& face, int depth);

  QTemporaryDir dir_;
  std::unique_ptr<panelhost::PanelHost> host_;
};

// A walk over a face's areas: each step clicks its area `times` times (a draw after each) and
// then expects the standby display to show `standby`.
struct Step {
  Area area;
  int times;
  const char* standby;
};
void expectSteps(RadioPanel& panel, const std::string& face, std::initializer_list<Step> steps);

bool isNav(const std::string& face);
const Depths& depthsOf(const std::string& face);

}  // namespace radio_test
