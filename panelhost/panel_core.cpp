#include "panelhost/panel_core.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "panelhost/bitmap_header.h"
#include "panelhost/needle_geometry.h"
#include "panelhost/panel_config.h"
#include "platform/text_file.h"

namespace panelhost {
namespace {

// Gauges bound from a module alone are laid out in rows no wider than this.
constexpr int kRowWidth = 1024;
// A gauge whose background bitmap is missing still gets an area to click and draw in.
constexpr Size kFallbackGaugeSize(64, 64);
constexpr std::size_t kMaxConfigBytes = 1u << 20;

PanelCore* g_activeHost = nullptr;

void sendKeyEvent(ID32 event, UINT32 value) {
  serviceTable()->trigger_key_event(event, value);
}

}  // namespace

PELEMENT_HEADER Gauge::background() const {
  return header && header->elements_list ? header->elements_list[0] : nullptr;
}

PanelCore::PanelCore() {
  previousSink_ = serviceSink();
  setServiceSink(this);
  g_activeHost = this;
}

PanelCore::~PanelCore() {
  for (auto it = installed_.rbegin(); it != installed_.rend(); ++it) {
    GAUGEHDR* header = *it;
    if (header->gauge_callback) header->gauge_callback(header, GAUGE_SERVICE_PRE_KILL, 0);
    if (header->kill_routine) header->kill_routine();
  }
  gauges_.clear();
  elements_.clear();
  modules_.clear();
  g_activeHost = nullptr;
  setServiceSink(previousSink_);
}

int PanelCore::onMessageBox(HWND, LPCSTR text, LPCSTR caption, UINT) {
  std::fprintf(stderr, "panelhost: message box [%s]: %s\n", caption, text);
  if (g_activeHost) g_activeHost->messages_.push_back(text);
  return IDOK;
}

Size PanelCore::bitmapSize(const GaugeModule& module, int resourceId) {
  return bitmapResourceSize(module.handle(), resourceId);
}

GaugeModule* PanelCore::moduleAt(const std::filesystem::path& path, std::string& error) {
  std::error_code ec;
  const auto key = std::filesystem::weakly_canonical(path, ec);
  auto found = modules_.find(key);
  if (found != modules_.end()) return found->second.get();
  auto module = GaugeModule::load(path, error);
  if (!module) return nullptr;
  GaugeModule* raw = module.get();
  modules_.emplace(key, std::move(module));
  sounds_.addModule(raw->handle());
  return raw;
}

Gauge& PanelCore::bind(GaugeModule& module, GAUGEHDR* header, int window) {
  auto gauge = std::make_unique<Gauge>();
  gauge->name = header->gauge_name;
  gauge->module = &module;
  gauge->header = header;
  gauge->window = window;
  const PELEMENT_HEADER background = gauge->background();
  const Size size = background ? bitmapSize(module, background->resource_id) : Size();
  gauge->size = size.isEmpty() ? kFallbackGaugeSize : size;
  gauge->placement = Rect(Point(0, 0), gauge->size);
  gauge->mouse = MouseRouter(header->mouse_rect, gauge->size);
  gauges_.push_back(std::move(gauge));
  install(*gauges_.back());
  return *gauges_.back();
}

// Each header is installed once, however often a panel places it.
void PanelCore::install(Gauge& gauge) {
  GAUGEHDR* header = gauge.header;
  if (std::find(installed_.begin(), installed_.end(), header) != installed_.end()) return;
  installed_.push_back(header);
  if (header->query_routine) header->query_routine();
  if (header->install_routine) header->install_routine(gauge.module->handle());
  forEachElement(gauge.background(), [this](PELEMENT_HEADER element) {
    if (!elements_.emplace(element, ElementValues{}).second) return;
    if (element->element_type != ELEMENT_TYPE_NEEDLE) return;
    auto& needle = reinterpret_cast<ELEMENT_NEEDLE&>(*element);
    if (needle.nonlinearity_table)
      fillNonlinearityDegrees(needle.nonlinearity_table, needle.nonlinearity_table_size,
                              element->position);
  });
  if (header->initialize_routine) header->initialize_routine();
  if (header->gauge_callback)
    header->gauge_callback(header, GAUGE_SERVICE_POST_INSTALL,
                           reinterpret_cast<UINTPTR>(gauge.module->handle()));
}

void PanelCore::placeInRows(Gauge& gauge) {
  if (nextRowSlot_.x() > 0 && nextRowSlot_.x() + gauge.size.width() > kRowWidth) {
    nextRowSlot_ = Point(0, nextRowSlot_.y() + rowHeight_);
    rowHeight_ = 0;
  }
  gauge.placement = Rect(nextRowSlot_, gauge.size);
  nextRowSlot_.px += gauge.size.width();
  rowHeight_ = std::max(rowHeight_, gauge.size.height());
}

bool PanelCore::loadModule(const std::filesystem::path& path, std::string& error) {
  GaugeModule* module = moduleAt(path, error);
  if (!module) return false;
  if (windowSizes_.empty()) windowSizes_.push_back(Size());
  for (GAUGEHDR* header : module->gauges()) placeInRows(bind(*module, header, 0));
  return true;
}

bool PanelCore::loadPanel(const std::filesystem::path& config, std::string& error,
                          std::vector<std::string>& warnings) {
  const textfile::FileRead read = textfile::readRegularFile(config, kMaxConfigBytes);
  if (!read.ok()) {
    error = "cannot read panel configuration " + config.string();
    if (read.failure != textfile::FileRead::Failure::Missing) error += ": " + read.reason;
    return false;
  }
  const PanelConfig parsed = parsePanelConfig(read.bytes);
  for (const std::string& problem : parsed.problems)
    warnings.push_back(config.string() + " " + problem);
  const auto folder = config.has_parent_path() ? config.parent_path() : std::filesystem::path(".");
  for (const PanelWindowConfig& window : parsed.windows) {
    const int index = static_cast<int>(windowSizes_.size());
    Rect bounds;
    for (const GaugePlacement& place : window.gauges) {
      const std::string where = config.string() + " line " + std::to_string(place.line) + ": ";
      const auto path = findModule(folder, place.module);
      std::string moduleError;
      GaugeModule* module = path ? moduleAt(*path, moduleError) : nullptr;
      if (!module) {
        warnings.push_back(where + (path ? moduleError : "module " + place.module + " not found"));
        continue;
      }
      GAUGEHDR* header = module->gauge(place.gauge);
      if (!header) {
        warnings.push_back(where + "module " + place.module + " has no gauge " + place.gauge);
        continue;
      }
      Gauge& gauge = bind(*module, header, index);
      Size shown = gauge.size;
      if (place.width) {
        const int w = *place.width;
        const int h = place.height
                          ? *place.height
                          : std::max(1, w * gauge.size.height() / std::max(1, gauge.size.width()));
        shown = Size(w, h);
      }
      gauge.placement = Rect(Point(place.x, place.y), shown);
      bounds = bounds.united(gauge.placement);
    }
    const Size configured(window.width.value_or(0), window.height.value_or(0));
    windowSizes_.push_back(window.width ? configured
                                        : Size(bounds.right() + 1, bounds.bottom() + 1));
  }
  return true;
}

Gauge* PanelCore::findGauge(const std::string& name) {
  for (auto& gauge : gauges_)
    if (sameNameIgnoringCase(gauge->name, name)) return gauge.get();
  return nullptr;
}

const ElementValues* PanelCore::valuesOf(PELEMENT_HEADER element) const {
  auto found = elements_.find(element);
  return found == elements_.end() ? nullptr : &found->second;
}

void PanelCore::updateTree(PELEMENT_HEADER root) {
  forEachElement(root, [this](PELEMENT_HEADER element) {
    ElementValues& values = elements_[element];
    if (values.updatedCycle == cycle_) return;
    values.updatedCycle = cycle_;
    updateElement(*element, vars_, values);
    if (element->element_type != ELEMENT_TYPE_NEEDLE) return;
    const auto& needle = reinterpret_cast<const ELEMENT_NEEDLE&>(*element);
    const auto target =
        needleTarget(needle.nonlinearity_table, needle.nonlinearity_table_size, values.value[0]);
    if (!target) return;
    values.needleDegrees = values.needleDegrees ? limitNeedleStep(*values.needleDegrees, *target,
                                                                  needle.max_degrees_per_tick)
                                                : *target;
  });
}

void PanelCore::runCycles(int count) {
  for (int i = 0; i < count; ++i) {
    ++cycle_;
    aircraft_.step(SimulatedAircraft::kCycleSeconds);
    for (GAUGEHDR* header : installed_)
      if (header->gauge_callback) header->gauge_callback(header, GAUGE_SERVICE_PRE_UPDATE, 0);
    for (auto& gauge : gauges_) {
      if (gauge->header->update_routine) gauge->header->update_routine();
      updateTree(gauge->background());
    }
    for (GAUGEHDR* header : installed_)
      if (header->draw_routine) header->draw_routine();
    if (cycleObserver_) cycleObserver_();
  }
}

std::vector<KeyEvent> PanelCore::takeEvents() {
  return std::exchange(events_, {});
}

std::vector<std::string> PanelCore::takeServiceErrors() {
  return std::exchange(serviceErrors_, {});
}

// Windows stack downwards, each as wide and high as configured or as its gauges reach; a module
// loaded alone adds a window of invalid size that its rows fill.
Size PanelCore::panelSize() const {
  int width = 0;
  int height = 0;
  for (const Size& window : windowSizes_) {
    width = std::max(width, window.width());
    height += window.height();
  }
  Rect bounds;
  for (const auto& gauge : gauges_) bounds = bounds.united(gauge->placement);
  if (Size(width, height).isEmpty() && !bounds.isEmpty())
    return Size(bounds.right() + 1, bounds.bottom() + 1);
  return Size(std::max(width, 1), std::max(height, 1));
}

Rect PanelCore::shownRect(const Gauge& gauge) const {
  int top = 0;
  for (int i = 0; i < gauge.window && i < static_cast<int>(windowSizes_.size()); ++i)
    top += windowSizes_[static_cast<std::size_t>(i)].height();
  return gauge.placement.translated(0, top);
}

Point PanelCore::toGaugePixels(const Gauge& gauge, Point panelPoint) const {
  const Rect shown = shownRect(gauge);
  const int x = panelPoint.x() - shown.x();
  const int y = panelPoint.y() - shown.y();
  return Point(x * gauge.size.width() / std::max(1, shown.width()),
               y * gauge.size.height() / std::max(1, shown.height()));
}

Gauge* PanelCore::gaugeAt(Point panelPoint, Point& gaugePoint) {
  for (auto it = gauges_.rbegin(); it != gauges_.rend(); ++it) {
    if (!shownRect(**it).contains(panelPoint)) continue;
    gaugePoint = toGaugePixels(**it, panelPoint);
    return it->get();
  }
  return nullptr;
}

bool PanelCore::click(Gauge& gauge, Point point, FLAGS32 button) {
  const MouseArea* area = gauge.mouse.childAt(point, button);
  if (!area) return false;
  pressArea(*area, point, button, &sendKeyEvent);
  return true;
}

// The press calls the area once; an area that repeats while held is called again on every
// further cycle the button stays down.
bool PanelCore::hold(Gauge& gauge, Point point, int cycles) {
  const MouseArea* area = gauge.mouse.childAt(point, MOUSE_LEFT_SINGLE);
  for (int i = 0; i < cycles; ++i) {
    if (area && (i == 0 || (area->record->mouse_flags & MOUSE_REPEAT_WHILE_HELD)))
      pressArea(*area, point, MOUSE_LEFT_SINGLE, &sendKeyEvent);
    runCycles(1);
  }
  return area != nullptr;
}

// The pointer went down in a drag area and moved to the point, which may lie outside the gauge:
// the area under the point, or else the nearest area that takes drags, gets the point itself.
// An area under the point that does not take drags only gets the press.
bool PanelCore::drag(Gauge& gauge, Point point) {
  const MouseArea* area = gauge.mouse.childAt(point, MOUSE_LEFT_SINGLE);
  if (area && !(area->record->mouse_flags & MOUSE_DRAG)) {
    pressArea(*area, point, MOUSE_LEFT_SINGLE, &sendKeyEvent);
    return true;
  }
  if (!area) area = gauge.mouse.nearestDragArea(point);
  if (!area) return false;
  pressArea(*area, point, MOUSE_LEFT_SINGLE | kMouseLeftDrag, &sendKeyEvent);
  return true;
}

HelpAt PanelCore::help(const Gauge& gauge, Point point) const {
  return gauge.mouse.helpAt(point);
}

void PanelCore::lookupVar(MODULE_VAR& var) {
  vars_.fill(var);
}

void PanelCore::keyEvent(ID32 event, UINT32 value) {
  events_.push_back(KeyEvent{event, value});
  aircraft_.onKeyEvent(event, value);
}

// The host walks every gauge's element tree itself, once per cycle, so the module's routines
// forwarding to these services are only counted.
void PanelCore::elementListService(std::size_t slot) {
  ++elementListCalls_[slot];
}

void PanelCore::unsupportedService(std::size_t slot) {
  serviceErrors_.push_back("module called service slot " + std::to_string(slot) +
                           ", which this host does not offer");
}

}  // namespace panelhost
