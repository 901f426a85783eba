#pragma once
// The panel host: loads gauge modules, binds their gauges to a panel, runs the panel cycle
// against the simulated aircraft, draws gauges and the panel, routes the mouse, and records the
// key events and sounds the gauges produce.
//
// A panel cycle: the aircraft steps 1/18 s; every gauge callback gets service 6; every gauge's
// update routine runs and each element's callbacks are called exactly once; every gauge's draw
// routine runs. Images are drawn from the elements' last values when they are asked for: a gauge
// whose elements would draw as they did last time keeps its image, and the panel is composed
// again only where a gauge changed.
#include <QImage>
#include <QRect>
#include <QRegion>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "panelhost/aircraft.h"
#include "panelhost/bitmap_source.h"
#include "panelhost/element_state.h"
#include "panelhost/gauge_module.h"
#include "panelhost/mouse_router.h"
#include "panelhost/service_table.h"
#include "panelhost/sound_log.h"
#include "panelhost/variable_store.h"
#include "winapi/windows_types.h"

namespace panelhost {

struct Gauge {
  std::string name;
  GaugeModule* module = nullptr;
  GAUGEHDR* header = nullptr;
  int window = 0;
  QRect placement;  // panel pixels
  QSize size;       // gauge pixels: the background bitmap's size
  MouseRouter mouse;
  QImage image;                     // last drawn; null until the panel is first drawn
  std::vector<DrawnElement> drawn;  // what `image` was drawn from, in tree order

  PELEMENT_HEADER background() const;
};

enum class Redraw { Changed, Full };

struct KeyEvent {
  ID32 id = 0;
  UINT32 value = 0;
};

class PanelHost : public ServiceSink {
 public:
  PanelHost();
  ~PanelHost() override;
  PanelHost(const PanelHost&) = delete;
  PanelHost& operator=(const PanelHost&) = delete;

  // False with `error` when the file cannot be read; gauges and modules that cannot be found
  // (and malformed lines) go to `warnings` and the rest of the panel loads.
  bool loadPanel(const std::filesystem::path& config, std::string& error,
                 std::vector<std::string>& warnings);
  // Binds every gauge of the module, in table order, in rows across the panel.
  bool loadModule(const std::filesystem::path& path, std::string& error);

  void runCycles(int count);
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

  // Draws the gauge afresh from its elements' last values.
  QImage renderGauge(const Gauge& gauge);
  QSize panelSize() const;
  // Brings the panel image up to date and returns the panel pixels that changed: with
  // Redraw::Changed only the gauges whose elements would draw differently are drawn again,
  // Redraw::Full draws every gauge (the first call and a change of panel size always do).
  QRegion redrawPanel(Redraw redraw);
  const QImage& panelImage() const { return panel_; }
  QImage renderPanel(Redraw redraw = Redraw::Changed);
  // The gauge drawn on top at a panel point, and the point in its own pixels.
  Gauge* gaugeAt(QPoint panelPoint, QPoint& gaugePoint);
  // Where the gauge is drawn on the panel (its window stacked below the ones before it).
  QRect shownRect(const Gauge& gauge) const;
  // A panel point in the gauge's own pixels (outside the gauge too).
  QPoint toGaugePixels(const Gauge& gauge, QPoint panelPoint) const;

  // Mouse: points in gauge pixels. False when no area under the point takes the action.
  bool click(Gauge& gauge, QPoint point, FLAGS32 button);
  bool hold(Gauge& gauge, QPoint point, int cycles);
  bool drag(Gauge& gauge, QPoint point);
  HelpAt help(const Gauge& gauge, QPoint point) const;

  // ServiceSink
  void lookupVar(MODULE_VAR& var) override;
  void keyEvent(ID32 event, UINT32 value) override;
  void elementListService(std::size_t slot) override;
  void unsupportedService(std::size_t slot) override;

 private:
  GaugeModule* moduleAt(const std::filesystem::path& path, std::string& error);
  Gauge& bind(GaugeModule& module, GAUGEHDR* header, int window);
  void install(Gauge& gauge);
  void updateTree(PELEMENT_HEADER root);
  void placeInRows(Gauge& gauge);
  bool refreshDrawn(Gauge& gauge);
  static int onMessageBox(HWND owner, const char* text, const char* caption, UINT style);

  VariableStore vars_;
  SimulatedAircraft aircraft_{vars_};
  SoundLog sounds_;
  ServiceSink* previousSink_ = nullptr;
  HWND window_ = nullptr;
  std::map<std::filesystem::path, std::unique_ptr<GaugeModule>> modules_;
  std::map<void*, BitmapSource> bitmaps_;
  std::vector<std::unique_ptr<Gauge>> gauges_;
  std::vector<GAUGEHDR*> installed_;  // install order; killed in reverse
  std::unordered_map<PELEMENT_HEADER, ElementValues> elements_;
  std::vector<QSize> windowSizes_;
  QImage panel_;
  std::vector<KeyEvent> events_;
  std::vector<std::string> serviceErrors_;
  std::vector<std::string> messages_;
  std::map<std::size_t, int> elementListCalls_;
  std::uint64_t cycle_ = 0;
  QPoint nextRowSlot_;
  int rowHeight_ = 0;
};

}  // namespace panelhost
