#pragma once
// The panel core, which builds without Qt for Linux and for Windows: loads gauge modules, binds
// their gauges to a panel, runs the panel cycle against the simulated aircraft, routes the mouse,
// and records the key events, sounds and message boxes the gauges produce. Drawing is the Linux
// host's (panel_host.h).
//
// A panel cycle: the aircraft steps 1/18 s; every gauge callback gets service 6; every gauge's
// update routine runs and each element's callbacks are called exactly once; every gauge's draw
// routine runs.
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "panelhost/aircraft.h"
#include "panelhost/element_state.h"
#include "panelhost/gauge_module.h"
#include "panelhost/geometry.h"
#include "panelhost/host_window.h"
#include "panelhost/mouse_router.h"
#include "panelhost/service_table.h"
#include "panelhost/sound_log.h"
#include "panelhost/variable_store.h"

namespace panelhost {

struct Gauge {
  std::string name;
  GaugeModule* module = nullptr;
  GAUGEHDR* header = nullptr;
  int window = 0;
  Rect placement;  // panel pixels
  Size size;       // gauge pixels: the background bitmap's size
  MouseRouter mouse;

  PELEMENT_HEADER background() const;
};

struct KeyEvent {
  ID32 id = 0;
  UINT32 value = 0;
};

class PanelCore : public ServiceSink {
 public:
  PanelCore();
  ~PanelCore() override;
  PanelCore(const PanelCore&) = delete;
  PanelCore& operator=(const PanelCore&) = delete;

  // False with `error` when the file cannot be read; gauges and modules that cannot be found
  // (and malformed lines) go to `warnings` and the rest of the panel loads.
  bool loadPanel(const std::filesystem::path& config, std::string& error,
                 std::vector<std::string>& warnings);
  // Binds every gauge of the module, in table order, in rows across the panel.
  bool loadModule(const std::filesystem::path& path, std::string& error);

  void runCycles(int count);
  // Called at the end of every cycle, e.g. to watch a lesson's goal (empty: nobody).
  void setCycleObserver(std::function<void()> observer) { cycleObserver_ = std::move(observer); }
  std::uint64_t cycle() const { return cycle_; }

  Gauge* findGauge(const std::string& name);
  const std::vector<std::unique_ptr<Gauge>>& gauges() const { return gauges_; }
  // The last values of an element (nothing for an element of no bound gauge).
  const ElementValues* valuesOf(PELEMENT_HEADER element) const;

  VariableStore& vars() { return vars_; }
  SimulatedAircraft& aircraft() { return aircraft_; }
  const std::vector<KeyEvent>& events() const { return events_; }
  std::vector<KeyEvent> takeEvents();
  std::vector<SoundEvent> takeSounds() { return sounds_.take(); }
  std::vector<std::string> takeServiceErrors();
  const std::vector<std::string>& messages() const { return messages_; }
  // How often the module's routines reached each element-list service (slots 24-31).
  const std::map<std::size_t, int>& elementListCalls() const { return elementListCalls_; }

  Size panelSize() const;
  // The gauge drawn on top at a panel point, and the point in its own pixels.
  Gauge* gaugeAt(Point panelPoint, Point& gaugePoint);
  // Where the gauge is drawn on the panel (its window stacked below the ones before it).
  Rect shownRect(const Gauge& gauge) const;
  // A panel point in the gauge's own pixels (outside the gauge too).
  Point toGaugePixels(const Gauge& gauge, Point panelPoint) const;

  // Mouse: points in gauge pixels. False when no area under the point takes the action.
  bool click(Gauge& gauge, Point point, FLAGS32 button);
  bool hold(Gauge& gauge, Point point, int cycles);
  bool drag(Gauge& gauge, Point point);
  HelpAt help(const Gauge& gauge, Point point) const;

  // ServiceSink
  void lookupVar(MODULE_VAR& var) override;
  void keyEvent(ID32 event, UINT32 value) override;
  void elementListService(std::size_t slot) override;
  void unsupportedService(std::size_t slot) override;

 protected:
  // The pixel size of a gauge's background bitmap; invalid when the module has none such. The
  // drawing host answers from the bitmaps it decodes.
  virtual Size bitmapSize(const GaugeModule& module, int resourceId);
  ElementValues& elementValues(PELEMENT_HEADER element) { return elements_[element]; }

 private:
  GaugeModule* moduleAt(const std::filesystem::path& path, std::string& error);
  Gauge& bind(GaugeModule& module, GAUGEHDR* header, int window);
  void install(Gauge& gauge);
  void updateTree(PELEMENT_HEADER root);
  void placeInRows(Gauge& gauge);
  static int onMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT style);

  VariableStore vars_;
  SimulatedAircraft aircraft_{vars_};
  SoundLog sounds_;
  ServiceSink* previousSink_ = nullptr;
  HostWindow window_{"FS98MAIN", &PanelCore::onMessageBox};
  std::map<std::filesystem::path, std::unique_ptr<GaugeModule>> modules_;
  std::vector<std::unique_ptr<Gauge>> gauges_;
  std::vector<GAUGEHDR*> installed_;  // install order; killed in reverse
  std::unordered_map<PELEMENT_HEADER, ElementValues> elements_;
  std::vector<Size> windowSizes_;
  std::vector<KeyEvent> events_;
  std::vector<std::string> serviceErrors_;
  std::vector<std::string> messages_;
  std::map<std::size_t, int> elementListCalls_;
  std::uint64_t cycle_ = 0;
  std::function<void()> cycleObserver_;
  Point nextRowSlot_;
  int rowHeight_ = 0;
};

}  // namespace panelhost
