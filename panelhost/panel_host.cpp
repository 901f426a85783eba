#include "panelhost/panel_host.h"

#include <QPainter>
#include <algorithm>
#include <cstdio>

#include "panelhost/element_painter.h"
#include "panelhost/needle_geometry.h"
#include "panelhost/number_text.h"
#include "panelhost/panel_config.h"
#include "platform/text_file.h"
#include "winapi/windows.h"

namespace panelhost {
namespace {

// Gauges bound from a module alone are laid out in rows no wider than this.
constexpr int kRowWidth = 1024;
// A gauge whose background bitmap is missing still gets an area to click and draw in.
constexpr QSize kFallbackGaugeSize(64, 64);
constexpr std::size_t kMaxConfigBytes = 1u << 20;

PanelHost* g_activeHost = nullptr;

void sendKeyEvent(ID32 event, UINT32 value) {
  serviceTable()->trigger_key_event(event, value);
}

}  // namespace

PELEMENT_HEADER Gauge::background() const {
  return header && header->elements_list ? header->elements_list[0] : nullptr;
}

PanelHost::PanelHost() {
  previousSink_ = serviceSink();
  setServiceSink(this);
  g_activeHost = this;
  window_ = qtp_RegisterHostWindow("FS98MAIN", &PanelHost::onMessageBox);
}

PanelHost::~PanelHost() {
  for (auto it = installed_.rbegin(); it != installed_.rend(); ++it) {
    GAUGEHDR* header = *it;
    if (header->gauge_callback) header->gauge_callback(header, GAUGE_SERVICE_PRE_KILL, 0);
    if (header->kill_routine) header->kill_routine();
  }
  gauges_.clear();
  elements_.clear();
  bitmaps_.clear();
  modules_.clear();
  qtp_UnregisterHostWindow(window_);
  g_activeHost = nullptr;
  setServiceSink(previousSink_);
}

int PanelHost::onMessageBox(HWND, const char* text, const char* caption, UINT) {
  std::fprintf(stderr, "panelhost: message box [%s]: %s\n", caption, text);
  if (g_activeHost) g_activeHost->messages_.push_back(text);
  return IDOK;
}

GaugeModule* PanelHost::moduleAt(const std::filesystem::path& path, std::string& error) {
  std::error_code ec;
  const auto key = std::filesystem::weakly_canonical(path, ec);
  auto found = modules_.find(key);
  if (found != modules_.end()) return found->second.get();
  auto module = GaugeModule::load(path, error);
  if (!module) return nullptr;
  GaugeModule* raw = module.get();
  modules_.emplace(key, std::move(module));
  bitmaps_.emplace(raw->handle(), BitmapSource(raw->handle()));
  sounds_.addModule(raw->handle());
  return raw;
}

Gauge& PanelHost::bind(GaugeModule& module, GAUGEHDR* header, int window) {
  auto gauge = std::make_unique<Gauge>();
  gauge->name = header->gauge_name;
  gauge->module = &module;
  gauge->header = header;
  gauge->window = window;
  const PELEMENT_HEADER background = gauge->background();
  const QImage& image =
      background ? bitmaps_.at(module.handle()).bitmap(background->resource_id, false) : QImage();
  gauge->size = image.isNull() ? kFallbackGaugeSize : image.size();
  gauge->placement = QRect(QPoint(0, 0), gauge->size);
  gauge->mouse = MouseRouter(header->mouse_rect, gauge->size);
  gauges_.push_back(std::move(gauge));
  install(*gauges_.back());
  return *gauges_.back();
}

// Each header is installed once, however often a panel places it.
void PanelHost::install(Gauge& gauge) {
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

void PanelHost::placeInRows(Gauge& gauge) {
  if (nextRowSlot_.x() > 0 && nextRowSlot_.x() + gauge.size.width() > kRowWidth) {
    nextRowSlot_ = QPoint(0, nextRowSlot_.y() + rowHeight_);
    rowHeight_ = 0;
  }
  gauge.placement = QRect(nextRowSlot_, gauge.size);
  nextRowSlot_.rx() += gauge.size.width();
  rowHeight_ = std::max(rowHeight_, gauge.size.height());
}

bool PanelHost::loadModule(const std::filesystem::path& path, std::string& error) {
  GaugeModule* module = moduleAt(path, error);
  if (!module) return false;
  if (windowSizes_.empty()) windowSizes_.push_back(QSize());
  for (GAUGEHDR* header : module->gauges()) placeInRows(bind(*module, header, 0));
  return true;
}

bool PanelHost::loadPanel(const std::filesystem::path& config, std::string& error,
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
    QRect bounds;
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
      QSize shown = gauge.size;
      if (place.width) {
        const int w = *place.width;
        const int h = place.height
                          ? *place.height
                          : std::max(1, w * gauge.size.height() / std::max(1, gauge.size.width()));
        shown = QSize(w, h);
      }
      gauge.placement = QRect(QPoint(place.x, place.y), shown);
      bounds |= gauge.placement;
    }
    const QSize configured(window.width.value_or(0), window.height.value_or(0));
    windowSizes_.push_back(window.width ? configured
                                        : QSize(bounds.right() + 1, bounds.bottom() + 1));
  }
  return true;
}

Gauge* PanelHost::findGauge(const std::string& name) {
  for (auto& gauge : gauges_)
    if (sameNameIgnoringCase(gauge->name, name)) return gauge.get();
  return nullptr;
}

const ElementValues* PanelHost::valuesOf(PELEMENT_HEADER element) const {
  auto found = elements_.find(element);
  return found == elements_.end() ? nullptr : &found->second;
}

void PanelHost::updateTree(PELEMENT_HEADER root) {
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

void PanelHost::runCycles(int count) {
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
  }
}

std::vector<KeyEvent> PanelHost::takeEvents() {
  return std::exchange(events_, {});
}

std::vector<std::string> PanelHost::takeServiceErrors() {
  return std::exchange(serviceErrors_, {});
}

QImage PanelHost::renderGauge(const Gauge& gauge) {
  QImage image(gauge.size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  BitmapSource& bitmaps = bitmaps_.at(gauge.module->handle());
  forEachElement(gauge.background(), [&](PELEMENT_HEADER element) {
    paintElement(painter, bitmaps, *element, elements_[element], gauge.size);
  });
  return image;
}

QSize PanelHost::panelSize() const {
  QSize size(0, 0);
  for (const QSize& window : windowSizes_)
    size = QSize(std::max(size.width(), window.width()), size.height() + window.height());
  QRect bounds;
  for (const auto& gauge : gauges_) bounds |= gauge->placement;
  return size.isEmpty() && !bounds.isEmpty() ? QSize(bounds.right() + 1, bounds.bottom() + 1)
                                             : size.expandedTo(QSize(1, 1));
}

QRect PanelHost::shownRect(const Gauge& gauge) const {
  int top = 0;
  for (int i = 0; i < gauge.window && i < static_cast<int>(windowSizes_.size()); ++i)
    top += windowSizes_[static_cast<std::size_t>(i)].height();
  return gauge.placement.translated(0, top);
}

QPoint PanelHost::toGaugePixels(const Gauge& gauge, QPoint panelPoint) const {
  const QRect shown = shownRect(gauge);
  const QPoint local = panelPoint - shown.topLeft();
  return QPoint(local.x() * gauge.size.width() / std::max(1, shown.width()),
                local.y() * gauge.size.height() / std::max(1, shown.height()));
}

// True when the gauge's elements would not draw as they did for its image.
bool PanelHost::refreshDrawn(Gauge& gauge) {
  std::size_t index = 0;
  bool changed = false;
  forEachElement(gauge.background(), [&](PELEMENT_HEADER element) {
    DrawnElement now = drawnElement(*element, elements_[element]);
    if (index == gauge.drawn.size()) {
      gauge.drawn.push_back(std::move(now));
      changed = true;
    } else if (gauge.drawn[index] != now) {
      gauge.drawn[index] = std::move(now);
      changed = true;
    }
    ++index;
  });
  if (index != gauge.drawn.size()) {
    gauge.drawn.resize(index);
    changed = true;
  }
  return changed;
}

// Gauges overlap, so a changed gauge's area is composed again from every gauge it shows, in
// stacking order, clipped to the changed areas.
QRegion PanelHost::redrawPanel(Redraw redraw) {
  const QSize size = panelSize();
  const bool full = redraw == Redraw::Full || panel_.size() != size;
  QRegion changed;
  for (auto& gauge : gauges_) {
    if (!refreshDrawn(*gauge) && !full && !gauge->image.isNull()) continue;
    gauge->image = renderGauge(*gauge);
    changed += shownRect(*gauge);
  }
  if (full) {
    panel_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    changed = QRect(QPoint(0, 0), size);
  }
  if (changed.isEmpty()) return changed;
  QPainter painter(&panel_);
  painter.setClipRegion(changed);
  painter.fillRect(panel_.rect(), Qt::black);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (const auto& gauge : gauges_) {
    const QRect shown = shownRect(*gauge);
    if (changed.intersects(shown)) painter.drawImage(shown, gauge->image);
  }
  return changed;
}

QImage PanelHost::renderPanel(Redraw redraw) {
  redrawPanel(redraw);
  return panel_;
}

Gauge* PanelHost::gaugeAt(QPoint panelPoint, QPoint& gaugePoint) {
  for (auto it = gauges_.rbegin(); it != gauges_.rend(); ++it) {
    if (!shownRect(**it).contains(panelPoint)) continue;
    gaugePoint = toGaugePixels(**it, panelPoint);
    return it->get();
  }
  return nullptr;
}

bool PanelHost::click(Gauge& gauge, QPoint point, FLAGS32 button) {
  const MouseArea* area = gauge.mouse.childAt(point, button);
  if (!area) return false;
  pressArea(*area, point, button, &sendKeyEvent);
  return true;
}

// The press calls the area once; an area that repeats while held is called again on every
// further cycle the button stays down.
bool PanelHost::hold(Gauge& gauge, QPoint point, int cycles) {
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
bool PanelHost::drag(Gauge& gauge, QPoint point) {
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

HelpAt PanelHost::help(const Gauge& gauge, QPoint point) const {
  return gauge.mouse.helpAt(point);
}

void PanelHost::lookupVar(MODULE_VAR& var) {
  vars_.fill(var);
}

void PanelHost::keyEvent(ID32 event, UINT32 value) {
  events_.push_back(KeyEvent{event, value});
  aircraft_.onKeyEvent(event, value);
}

// The host walks every gauge's element tree itself, once per cycle, so the module's routines
// forwarding to these services are only counted.
void PanelHost::elementListService(std::size_t slot) {
  ++elementListCalls_[slot];
}

void PanelHost::unsupportedService(std::size_t slot) {
  serviceErrors_.push_back("module called service slot " + std::to_string(slot) +
                           ", which this host does not offer");
}

}  // namespace panelhost
